#include "print/printers/FileReplacement.h"

#include "common/FileTarget.h"
#include "common/PrinterError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
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
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// The system's words for errno, as the reason of a printer error.
RuntimeError systemError(int error)
{
    return printerError(qt_error_string(error));
}

// Short whatever the file's name, so a name as long as the folder allows can still be written.
const QString kTemporaryName = QStringLiteral(".vennaros-XXXXXX");

} // namespace

QString FileReplacement::target(const QString& path)
{
    if (path.isEmpty())
        throw printerError(QCoreApplication::translate("FileReplacement", "no file name"));
    // A name the file system would get otherwise would write, or replace, another file.
    if (QFile::decodeName(QFile::encodeName(path)) != path)
        throw fileNameError(QCoreApplication::translate(
            "FileReplacement", "the file name has characters the file system cannot keep"));
    const QString file = QFileInfo(path).absoluteFilePath();
    if (const qsizetype bytes = QFile::encodeName(QFileInfo(file).fileName()).size(); bytes > NAME_MAX)
        throw fileNameError(QCoreApplication::translate("FileReplacement",
            "the file name is %n bytes long; the file system takes at most %1", nullptr, int(bytes))
                                .arg(QString::number(NAME_MAX)));
    const FileTarget what = FileTarget::of(file);
    if (!what.isRegularOrAbsent())
        throw printerError(
            QCoreApplication::translate("FileReplacement", "it is %1").arg(what.description()));
    // Refused as Save refuses it: a file nobody may write stays, for root too.
    if (what.isReadOnly())
        throw printerError(QCoreApplication::translate("FileReplacement", "it is read-only"));
    if (what.kind() == FileTarget::Kind::Regular && ::access(QFile::encodeName(file).constData(), W_OK) != 0)
        throw systemError(errno);
    if (what.kind() == FileTarget::Kind::Missing
        && FileTarget::of(QFileInfo(file).absolutePath()).kind() != FileTarget::Kind::Folder)
        throw printerError(QCoreApplication::translate("FileReplacement", "its folder does not exist"));
    if (!what.isLink())
        return file;
    // A link is kept and what it leads to is replaced.
    const QString resolved = QFileInfo(file).canonicalFilePath();
    if (resolved.isEmpty()) // gone since it was looked at
        throw printerError(QCoreApplication::translate("FileReplacement", "it is a link to nothing"));
    return resolved;
}

void FileReplacement::write(const QString& path, const QByteArray& bytes)
{
    const QString file = target(path);
    const QFileInfo info(file);
    QByteArray temporary = QFile::encodeName(info.absoluteDir().filePath(kTemporaryName));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw systemError(errno);

    const FileTarget existing = FileTarget::of(file);
    const mode_t mode = existing.kind() == FileTarget::Kind::Regular ? existing.permissions()
                                                                     : kNewFileMode & ~currentUmask();
    int error = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(file).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        throw systemError(error);
    }
}
