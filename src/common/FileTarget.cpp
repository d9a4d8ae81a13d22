#include "common/FileTarget.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr unsigned kPermissionBits = 07777;
constexpr unsigned kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

/// What a message calls a kind of file, and the system error that refuses it (see refusalError()).
struct KindFacts {
    const char* words;
    int refusal;
};

KindFacts factsOf(FileTarget::Kind kind)
{
    switch (kind) {
    case FileTarget::Kind::Missing:
        return { QT_TRANSLATE_NOOP("FileTarget", "missing"), 0 };
    case FileTarget::Kind::Regular:
        return { QT_TRANSLATE_NOOP("FileTarget", "a file"), 0 };
    case FileTarget::Kind::Folder:
        return { QT_TRANSLATE_NOOP("FileTarget", "a folder"), EISDIR };
    case FileTarget::Kind::NamedPipe:
        return { QT_TRANSLATE_NOOP("FileTarget", "a named pipe"), EOPNOTSUPP };
    case FileTarget::Kind::Socket:
        return { QT_TRANSLATE_NOOP("FileTarget", "a socket"), EOPNOTSUPP };
    case FileTarget::Kind::Device:
        return { QT_TRANSLATE_NOOP("FileTarget", "a device"), EOPNOTSUPP };
    case FileTarget::Kind::Unreachable:
        break;
    }
    return { QT_TRANSLATE_NOOP("FileTarget", "out of reach"), 0 };
}

FileTarget::Kind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return FileTarget::Kind::Regular;
    if (S_ISDIR(mode))
        return FileTarget::Kind::Folder;
    if (S_ISFIFO(mode))
        return FileTarget::Kind::NamedPipe;
    if (S_ISSOCK(mode))
        return FileTarget::Kind::Socket;
    return FileTarget::Kind::Device;
}

} // namespace

FileTarget FileTarget::of(const QString& path)
{
    FileTarget target;
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    target.m_link = ::lstat(name.constData(), &info) == 0 && S_ISLNK(info.st_mode);
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        target.m_kind = error == ENOENT ? Kind::Missing : Kind::Unreachable;
        target.m_error = target.m_kind == Kind::Missing ? 0 : error;
        return target;
    }
    target.m_kind = kindOf(info.st_mode);
    target.m_size = static_cast<qint64>(info.st_size);
    target.m_permissions = info.st_mode & kPermissionBits;
    return target;
}

bool FileTarget::isReadOnly() const
{
    return m_kind == Kind::Regular && (m_permissions & kWriteBits) == 0;
}

bool FileTarget::isSpecial() const
{
    return m_kind != Kind::Missing && m_kind != Kind::Regular;
}

int FileTarget::refusalError() const
{
    return m_kind == Kind::Unreachable ? m_error : factsOf(m_kind).refusal;
}

QString FileTarget::description() const
{
    if (m_kind == Kind::Unreachable)
        return QCoreApplication::translate("FileTarget", "out of reach (%1)").arg(qt_error_string(m_error));
    if (m_kind == Kind::Missing && m_link)
        return QCoreApplication::translate("FileTarget", "a link to nothing");
    const QString what = QCoreApplication::translate("FileTarget", factsOf(m_kind).words);
    return m_link ? QCoreApplication::translate("FileTarget", "a link to %1").arg(what) : what;
}
