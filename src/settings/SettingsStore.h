#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// The per-user store that keeps the last-exit settings between runs: one text value per key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    /// Gets the stored values ready for reading, as the start and Reset do before they read. False
    /// when the store cannot be used, with the reason in words fit for the status line; every read
    /// then finds nothing. True with a reason when only part of it could be read: what was read is
    /// there, the rest takes the defaults. A store that keeps its values in memory is always usable.
    virtual bool load(QString& reason)
    {
        reason.clear();
        return true;
    }
    /// The stored text, or nothing when the key was never written or holds something that is not
    /// a single text (a hand-edited list, a serialised value): either way the caller's default applies.
    virtual std::optional<QString> read(const QString& key) const = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    /// A key of another group of the store (the printer scales), read and written like the keys
    /// above. A store without groups of its own keeps them as "group/key".
    virtual std::optional<QString> readIn(const QString& group, const QString& key) const
    {
        return read(group + QLatin1Char('/') + key);
    }
    /// The keys of another group, whatever their values; a store without groups lists none.
    virtual QStringList keysIn(const QString& /*group*/) const { return {}; }
    virtual void writeIn(const QString& group, const QString& key, const QString& value)
    {
        write(group + QLatin1Char('/') + key, value);
    }
    /// Makes every write lasting. False when the store could not be written; `reason` then says why
    /// in words fit for the status line.
    virtual bool flush(QString& reason) = 0;
    /// The file that holds the store; empty for a store that keeps its values elsewhere.
    virtual QString fileName() const { return {}; }
};
