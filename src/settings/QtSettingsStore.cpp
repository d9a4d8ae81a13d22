#include "settings/QtSettingsStore.h"

#include "common/FileTarget.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
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

// True when QSettings understood only part of the file: it says so itself, or a quote left open
// swallowed the lines after it, a group header among them (Exit would then drop that group).
bool readInPart(QSettings& settings, const QString& path)
{
    // QSettings parses at the first read: its status says nothing before.
    static_cast<void>(settings.allKeys());
    if (settings.status() == QSettings::FormatError)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QStringList groups = settings.childGroups();
    // Only headers as the program writes them: letters and digits, spaces as %20.
    static const QRegularExpression header(QStringLiteral("^\\[([A-Za-z0-9%]+)\\]$"));
    for (const QByteArray& line : file.readAll().split('\n')) {
        // A quote left open swallows the lines after it; QSettings writes a line break in a value
        // as an escape, so a line of its own never leaves one open.
        qsizetype quotes = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == '\\')
                ++i;
            else if (line[i] == '"')
                ++quotes;
        }
        if (quotes % 2 != 0)
            return true;
        const QRegularExpressionMatch match = header.match(QString::fromLatin1(line.trimmed()));
        if (!match.hasMatch())
            continue;
        const QString group = QUrl::fromPercentEncoding(match.captured(1).toLatin1());
        if (group.compare(QStringLiteral("General"), Qt::CaseInsensitive) != 0 && !groups.contains(group))
            return true;
    }
    return false;
}

// A copy of the file beside it, named by the day; a copy of the same bytes made earlier is reused,
// so each damaged file is kept once. Empty when no copy could be made.
QString copyAside(const QString& path)
{
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = original.readAll();
    const QString base = path + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    for (int attempt = 1; attempt <= 20; ++attempt) {
        const QString name = attempt == 1 ? base : base + QLatin1Char('-') + QString::number(attempt);
        QFile copy(name);
        if (copy.exists()) {
            if (copy.size() == bytes.size() && copy.open(QIODevice::ReadOnly) && copy.readAll() == bytes)
                return name;
            continue;
        }
        if (copy.open(QIODevice::WriteOnly | QIODevice::NewOnly) && copy.write(bytes) == bytes.size()
            && copy.flush()) {
            copy.close();
            return name;
        }
        copy.remove();
        return {};
    }
    return {};
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
    bool kept = false;
    if (const std::optional<QString> note = keepIfReadInPart(*m_settings, kept))
        reason = *note;
    return true;
}

std::optional<QString> QtSettingsStore::keepIfReadInPart(QSettings& settings, bool& kept)
{
    kept = true;
    // QSettings parses a file again only once it changed, and says FormatError only then: a file
    // that has not changed keeps the verdict it had.
    const QFileInfo info(m_path);
    const Verdict now { info.size(), info.lastModified().toMSecsSinceEpoch(), false };
    if (m_verdict && m_verdict->size == now.size && m_verdict->modified == now.modified) {
        if (!m_verdict->readInPart)
            return std::nullopt;
    } else {
        m_verdict = now;
        m_verdict->readInPart = readInPart(settings, m_path);
        if (!m_verdict->readInPart)
            return std::nullopt;
    }
    const QString copy = copyAside(m_path);
    kept = !copy.isEmpty();
    if (!kept)
        return QCoreApplication::translate("QtSettingsStore",
            "the settings store can be read only in part and no copy of it could be made (%1)")
            .arg(quotedPath());
    return QCoreApplication::translate(
        "QtSettingsStore", "the settings store can be read only in part; the whole file is kept as %1")
        .arg(QLatin1Char('\'') + QDir::toNativeSeparators(copy) + QLatin1Char('\''));
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
    // What QSettings could not read is dropped when it rewrites the file: never before a copy.
    bool kept = false;
    if (const std::optional<QString> note = keepIfReadInPart(settings, kept); note && !kept) {
        reason = *note;
        return false;
    }
    for (const Pending& entry : pending) {
        settings.beginGroup(entry.group);
        settings.setValue(entry.key, entry.value);
        settings.endGroup();
    }
    settings.sync();
    // A FormatError only means the old file held lines QSettings could not parse; it has been
    // rewritten with what could be read plus our keys, the whole old file kept aside above. Only a
    // failed write counts.
    if (settings.status() == QSettings::AccessError || !settings.isWritable()) {
        reason = QCoreApplication::translate("QtSettingsStore", "cannot write %1").arg(quotedPath());
        return false;
    }
    reason.clear();
    return true;
}
