#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>
#include <memory>
#include <vector>

/// The settings store as an INI file through QSettings, every value a string under the group
/// "Defaults". The user's store lives at <config>/Vennaros/Vennaros.ini. The file is read and
/// written only while it is a regular file (a link to one included) of at most 1 MiB: a pipe would
/// hang the start, a device would be replaced by a file, and a huge file would be read whole.
class QtSettingsStore : public SettingsStore {
public:
    /// Far above what Exit writes (two size texts and a few dozen short values).
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    /// A store in the given INI file, for tests and tools.
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;

    /// The user's own store: the one place the program opens it.
    static std::unique_ptr<QtSettingsStore> openUserStore();

    /// True with a reason when the file could be read only in part: it is then copied aside
    /// (Vennaros.ini.unreadable-<date>) before anything rewrites it, and the reason names the copy.
    bool load(QString& reason) override;
    std::optional<QString> read(const QString& key) const override;
    /// Kept until flush, which writes only to a file that is still fit for it.
    void write(const QString& key, const QString& value) override;
    std::optional<QString> readIn(const QString& group, const QString& key) const override;
    QStringList keysIn(const QString& group) const override;
    void writeIn(const QString& group, const QString& key, const QString& value) override;
    bool flush(QString& reason) override;

    QString fileName() const override { return m_path; }

private:
    enum class Use { Read, Replace };
    /// Why the file cannot be used for `use` right now, in words for the status line; nothing when
    /// it can.
    std::optional<QString> problem(Use use) const;
    QString quotedPath() const;
    /// When QSettings read the file only in part: keeps a copy of it beside it (one per damaged
    /// file) and returns what to tell the user, `kept` false when no copy could be made; nothing
    /// when the file was read whole.
    std::optional<QString> keepIfReadInPart(QSettings& settings, bool& kept);

    QString m_path;
    struct Pending {
        QString group;
        QString key;
        QString value;
    };

    std::unique_ptr<QSettings> m_settings; ///< only while the file was found fit to read
    std::vector<Pending> m_pending;
    struct Verdict {
        qint64 size = 0;
        qint64 modified = 0; ///< ms since the epoch
        bool readInPart = false;
    };
    std::optional<Verdict> m_verdict; ///< of the file as it was when last read
};
