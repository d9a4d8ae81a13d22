#include "common/FileTarget.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

FileTarget FileTarget::of(const QString& path)
{
    FileTarget target;
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    target.m_link = ::lstat(name.constData(), &info) == 0 && S_ISLNK(info.st_mode);
    if (::stat(name.constData(), &info) != 0) {
        target.m_error = errno;
        target.m_kind = errno == ENOENT ? Kind::Missing : Kind::Unreachable;
        if (target.m_kind == Kind::Missing)
            target.m_error = 0;
        return target;
    }
    if (S_ISREG(info.st_mode))
        target.m_kind = Kind::Regular;
    else if (S_ISDIR(info.st_mode))
        target.m_kind = Kind::Folder;
    else if (S_ISFIFO(info.st_mode))
        target.m_kind = Kind::NamedPipe;
    else if (S_ISSOCK(info.st_mode))
        target.m_kind = Kind::Socket;
    else
        target.m_kind = Kind::Device;
    target.m_size = static_cast<qint64>(info.st_size);
    target.m_anyWriteBit = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return target;
}

bool FileTarget::isSpecial() const
{
    return m_kind != Kind::Missing && m_kind != Kind::Regular;
}

int FileTarget::refusalError() const
{
    switch (m_kind) {
    case Kind::Missing:
    case Kind::Regular:
        return 0;
    case Kind::Folder:
        return EISDIR;
    case Kind::NamedPipe:
    case Kind::Socket:
    case Kind::Device:
        return EOPNOTSUPP;
    case Kind::Unreachable:
        return m_error;
    }
    return 0;
}

QString FileTarget::description() const
{
    QString what;
    switch (m_kind) {
    case Kind::Missing:
        return m_link ? QStringLiteral("a link to nothing") : QStringLiteral("missing");
    case Kind::Regular:
        what = QStringLiteral("a file");
        break;
    case Kind::Folder:
        what = QStringLiteral("a folder");
        break;
    case Kind::NamedPipe:
        what = QStringLiteral("a named pipe");
        break;
    case Kind::Socket:
        what = QStringLiteral("a socket");
        break;
    case Kind::Device:
        what = QStringLiteral("a device");
        break;
    case Kind::Unreachable:
        return QStringLiteral("out of reach (") + qt_error_string(m_error) + QLatin1Char(')');
    }
    return m_link ? QStringLiteral("a link to ") + what : what;
}
