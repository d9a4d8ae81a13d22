#include "settings/QtSettingsStore.h"

#include "common/FileTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kApplication = QStringLiteral("Vennaros");
const QString kGroup = QStringLiteral("Defaults");

// The system's error when the file cannot be opened for reading, 0 when it can. O_NONBLOCK: should
// the file have become a pipe since it was looked at, the open still returns at once.
int readError(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info { };
    const int error = ::fstat(fd, &info) != 0 ? errno : (S_ISREG(info.st_mode) ? 0 : EOPNOTSUPP);
    ::close(fd);
    return error;
}
} // namespace

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : m_path(iniPath)
{ }

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::openUserStore()
{
    // Where QSettings keeps an application's user INI file, named by hand: QSettings itself would
    // read the file (and its system-wide fallbacks) the moment it is made, before any check.
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return std::make_unique<QtSettingsStore>(
        config + QLatin1Char('/') + kApplication + QLatin1Char('/') + kApplication + QStringLiteral(".ini"));
}

QString QtSettingsStore::quotedPath() const
{
    return QLatin1Char('\'') + QDir::toNativeSeparators(m_path) + QLatin1Char('\'');
}

std::optional<QString> QtSettingsStore::problem(Use use) const
{
    // The reason first and the path last: a long path is what the status line may cut.
    const auto because = [this](const QString& why) {
        return QCoreApplication::translate(
            "QtSettingsStore", "the settings store %1 (%2)", "%1: what is wrong with it, %2: its path")
            .arg(why, quotedPath());
    };
    const FileTarget target = FileTarget::of(m_path);
    if (!target.isRegularOrAbsent())
        return because(QCoreApplication::translate("QtSettingsStore", "is %1").arg(target.description()));
    if (target.kind() == FileTarget::Kind::Missing)
        return std::nullopt; // a first run: Exit makes the file
    if (target.size() > kMaxFileBytes)
        return because(QCoreApplication::translate("QtSettingsStore", "is larger than 1 MiB"));
    // Exit merges with what the file holds: one it cannot read is not replaced either.
    if (const int error = readError(m_path))
        return because(
            QCoreApplication::translate("QtSettingsStore", "cannot be read: %1").arg(qt_error_string(error)));
    if (use == Use::Replace && target.isReadOnly())
        return because(QCoreApplication::translate("QtSettingsStore", "is read-only"));
    return std::nullopt;
}

bool QtSettingsStore::load(QString& reason)
{
    m_settings.reset();
    if (const std::optional<QString> why = problem(Use::Read)) {
        reason = *why;
        return false;
    }
    reason.clear();
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    return true;
}

std::optional<QString> QtSettingsStore::read(const QString& key) const
{
    return readIn(kGroup, key);
}

std::optional<QString> QtSettingsStore::readIn(const QString& group, const QString& key) const
{
    if (!m_settings)
        return std::nullopt;
    m_settings->beginGroup(group);
    const QVariant value = m_settings->value(key);
    m_settings->endGroup();
    // Everything is written as a string; anything else (an unquoted comma makes a list, "@Variant(...)"
    // a serialised value) was edited by hand and must not be half-understood.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

QStringList QtSettingsStore::keysIn(const QString& group) const
{
    if (!m_settings)
        return {};
    m_settings->beginGroup(group);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    return keys;
}

void QtSettingsStore::write(const QString& key, const QString& value)
{
    writeIn(kGroup, key, value);
}

void QtSettingsStore::writeIn(const QString& group, const QString& key, const QString& value)
{
    m_pending.push_back({ group, key, value });
}

bool QtSettingsStore::flush(QString& reason)
{
    const std::vector<Pending> pending = std::move(m_pending);
    m_pending.clear();
    if (const std::optional<QString> why = problem(Use::Replace)) {
        reason = *why;
        return false;
    }
    QSettings settings(m_path, QSettings::IniFormat);
    for (const Pending& entry : pending) {
        settings.beginGroup(entry.group);
        settings.setValue(entry.key, entry.value);
        settings.endGroup();
    }
    settings.sync();
    // A FormatError only means the old file held lines QSettings could not parse; it has been
    // rewritten with what could be read plus our keys. Only a failed write counts.
    if (settings.status() == QSettings::AccessError || !settings.isWritable()) {
        reason = QCoreApplication::translate("QtSettingsStore", "cannot write %1").arg(quotedPath());
        return false;
    }
    reason.clear();
    return true;
}
