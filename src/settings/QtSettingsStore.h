#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>
#include <memory>

/// The settings store as an INI file through QSettings, every value a string under the group
/// "Defaults". The user's store lives at <config>/Vennaros/Vennaros.ini.
class QtSettingsStore : public SettingsStore {
public:
    /// A store in the given INI file, for tests and tools.
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;

    /// The user's own store: the one place the program opens it.
    static std::unique_ptr<QtSettingsStore> openUserStore();

    std::optional<QString> read(const QString& key) const override;
    void write(const QString& key, const QString& value) override;
    bool flush(QString& reason) override;

    QString fileName() const;

private:
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);

    std::unique_ptr<QSettings> m_settings;
};
