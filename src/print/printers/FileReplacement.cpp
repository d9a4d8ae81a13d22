#include "print/printers/FileReplacement.h"

#include "common/FileTarget.h"
#include "common/PrinterError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <optional>
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
const QString kTemporaryPattern = QStringLiteral(".vennaros-??????");
constexpr qint64 kStaleSeconds = 24 * 60 * 60;

// The temporary file between its creation and its rename, for a termination signal to remove:
// only what a signal handler may touch.
char g_temporary[PATH_MAX + 1];
volatile sig_atomic_t g_temporaryLive = 0;
constexpr int kEndingSignals[] = { SIGTERM, SIGINT, SIGHUP };
struct sigaction g_previous[std::size(kEndingSignals)];
bool g_installed[std::size(kEndingSignals)];

// Ends the program as the signal would have without us, once the temporary file is gone: the
// earlier handling is put back and the signal raised again, delivered when this handler returns.
void removeTemporaryAndEnd(int signal)
{
    if (g_temporaryLive != 0)
        ::unlink(g_temporary);
    g_temporaryLive = 0;
    for (size_t i = 0; i < std::size(kEndingSignals); ++i)
        if (kEndingSignals[i] == signal)
            ::sigaction(signal, &g_previous[i], nullptr);
    ::raise(signal);
}

/// While alive, a termination signal removes the temporary file before the program ends. A signal
/// the program ignores (SIGHUP under nohup) stays ignored.
class TemporaryGuard {
public:
    explicit TemporaryGuard(const QByteArray& path)
    {
        if (path.size() > PATH_MAX)
            return;
        std::memcpy(g_temporary, path.constData(), static_cast<size_t>(path.size()) + 1);
        struct sigaction action { };
        action.sa_handler = removeTemporaryAndEnd;
        sigemptyset(&action.sa_mask);
        for (int signal : kEndingSignals)
            sigaddset(&action.sa_mask, signal);
        for (size_t i = 0; i < std::size(kEndingSignals); ++i) {
            ::sigaction(kEndingSignals[i], nullptr, &g_previous[i]);
            g_installed[i] = g_previous[i].sa_handler != SIG_IGN;
            if (g_installed[i])
                ::sigaction(kEndingSignals[i], &action, nullptr);
        }
        g_temporaryLive = 1;
        m_armed = true;
    }
    ~TemporaryGuard()
    {
        if (!m_armed)
            return;
        g_temporaryLive = 0;
        for (size_t i = 0; i < std::size(kEndingSignals); ++i)
            if (g_installed[i])
                ::sigaction(kEndingSignals[i], &g_previous[i], nullptr);
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

private:
    bool m_armed = false;
};

// Temporary files of ours that a kill -9 or a power cut left in the folder: a day old is long past
// any write still running.
void removeStaleTemporaries(const QDir& folder)
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QStringList names = folder.entryList(
        { kTemporaryPattern }, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat info { };
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
            && now - info.st_mtime > kStaleSeconds)
            ::unlink(path.constData());
    }
}

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
    removeStaleTemporaries(info.absoluteDir());
    QByteArray temporary = QFile::encodeName(info.absoluteDir().filePath(kTemporaryName));
    // Signals wait while the file is made and the guard set, so none falls between the two.
    sigset_t ending;
    sigset_t before;
    sigemptyset(&ending);
    for (int signal : kEndingSignals)
        sigaddset(&ending, signal);
    ::sigprocmask(SIG_BLOCK, &ending, &before);
    const int fd = ::mkstemp(temporary.data());
    const int madeError = errno;
    std::optional<TemporaryGuard> guard;
    if (fd >= 0)
        guard.emplace(temporary);
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    if (fd < 0)
        throw systemError(madeError);

    const FileTarget existing = FileTarget::of(file);
    const mode_t mode = existing.kind() == FileTarget::Kind::Regular ? existing.permissions()
                                                                     : kNewFileMode & ~currentUmask();
    int error = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(file).constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.constData());
    guard.reset();
    if (error != 0)
        throw systemError(error);
}
