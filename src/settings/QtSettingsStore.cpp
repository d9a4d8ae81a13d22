#include "settings/QtSettingsStore.h"

#include <QDir>

namespace {
const QString kApplication = QStringLiteral("Vennaros");
const QString kGroup = QStringLiteral("Defaults");
} // namespace

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : QtSettingsStore(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{ }

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
    m_settings->beginGroup(kGroup);
}

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::openUserStore()
{
    // Organisation and application are both the program's name: an empty organisation would put
    // the file under "Unknown Organization" and fail to write.
    return std::unique_ptr<QtSettingsStore>(new QtSettingsStore(
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication)));
}

std::optional<QString> QtSettingsStore::read(const QString& key) const
{
    const QVariant value = m_settings->value(key);
    // Everything is written as a string; anything else (an unquoted comma makes a list, "@Variant(...)"
    // a serialised value) was edited by hand and must not be half-understood.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

void QtSettingsStore::write(const QString& key, const QString& value)
{
    m_settings->setValue(key, value);
}

bool QtSettingsStore::flush(QString& reason)
{
    m_settings->sync();
    // A FormatError only means the old file held lines QSettings could not parse; it has been
    // rewritten with what could be read plus our keys. Only a failed write counts.
    if (m_settings->status() == QSettings::AccessError || !m_settings->isWritable()) {
        reason = QStringLiteral("cannot write '%1'").arg(QDir::toNativeSeparators(fileName()));
        return false;
    }
    return true;
}

QString QtSettingsStore::fileName() const
{
    return m_settings->fileName();
}
