#include "print/surface/FileReplacement.h"

#include "print/surface/PrinterError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kNewFileMode = 0666; // less the umask, as any program creates files

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString FileReplacement::target(const QString& path)
{
    if (path.isEmpty())
        throw printerError();
    QString file = QFileInfo(path).absoluteFilePath();
    struct stat status { };
    if (::lstat(QFile::encodeName(file).constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        // A link is kept and what it leads to is replaced; a link to nothing leads nowhere known.
        file = QFileInfo(file).canonicalFilePath();
        if (file.isEmpty())
            throw printerError();
    }
    if (::stat(QFile::encodeName(file).constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            throw printerError();
        return file;
    }
    if (errno != ENOENT || !QFileInfo(QFileInfo(file).absolutePath()).isDir())
        throw printerError();
    return file;
}

void FileReplacement::write(const QString& path, const QByteArray& bytes)
{
    const QString file = target(path);
    const QFileInfo info(file);
    QByteArray temporary = QFile::encodeName(
        info.absoluteDir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".XXXXXX")));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw printerError();

    struct stat existing { };
    const mode_t mode = ::stat(QFile::encodeName(file).constData(), &existing) == 0
        ? existing.st_mode & 07777
        : kNewFileMode & ~currentUmask();
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.constData(), QFile::encodeName(file).constData()) != 0) {
        ::unlink(temporary.constData());
        throw printerError();
    }
}
