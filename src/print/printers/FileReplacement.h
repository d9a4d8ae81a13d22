#pragma once

#include <QByteArray>
#include <QString>

/// Puts a complete file in place or leaves everything as it was: the bytes go to a new file in the
/// same folder, which is renamed over the target only once it is written and closed. Only what
/// FileTarget finds a regular file (through a link too) or nothing is written; a folder, pipe,
/// socket or device is refused without being opened, so it can neither block nor be replaced. Its
/// errors are RuntimeError 482 whose description says why, in a few words for a message, or 52 for
/// a name the file system can't take as it is (longer than it allows, not in its encoding).
class FileReplacement {
public:
    /// The file that writing to path replaces: path, or the regular file its link leads to.
    /// Throws for anything that is not a regular file or a new one in a folder.
    static QString target(const QString& path);
    /// Writes bytes to target(path). Throws when the file can't be written completely (a full
    /// disk, a file size limit); nothing of it is then left behind.
    static void write(const QString& path, const QByteArray& bytes);
};
