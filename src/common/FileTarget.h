#pragma once

#include <QString>
#include <QtGlobal>

/// What a path names, found with stat() alone: opening a named pipe waits for a writer and opening
/// a device can act on it, so a file is looked at before anything opens it. Links are followed.
class FileTarget {
public:
    enum class Kind {
        Missing, ///< nothing there (a link to nothing included): a new file can be made
        Regular,
        Folder,
        NamedPipe,
        Socket,
        Device,
        Unreachable, ///< stat failed for another reason: a file on the way, a folder not searchable
    };

    static FileTarget of(const QString& path);

    Kind kind() const { return m_kind; }
    /// The path itself is a symbolic link, whether or not it leads anywhere.
    bool isLink() const { return m_link; }
    /// The size of a regular file in bytes.
    qint64 size() const { return m_size; }
    /// The permission bits of what is there (07777 of its mode); 0 when nothing is.
    unsigned permissions() const { return m_permissions; }
    /// A regular file without a single write permission bit: read-only for everybody, root included,
    /// although root's writes would pass the system's own check.
    bool isReadOnly() const;

    /// A regular file (through a link too) or nothing at all: a file that may be read where it is
    /// there, and replaced or made anew. A link to nothing is neither: where it leads is not known.
    bool isRegularOrAbsent() const { return m_kind == Kind::Regular || (m_kind == Kind::Missing && !m_link); }

    /// Neither a file to read or replace nor a place for a new one: a folder, pipe, socket, device
    /// or a path that cannot be reached.
    bool isSpecial() const;
    /// The system error that names why a special target is refused: stat's own error, EISDIR for a
    /// folder, EOPNOTSUPP for a pipe, socket or device (the system has no error of its own for
    /// "not a regular file"); 0 for a regular or missing file.
    int refusalError() const;
    /// A few words on what is there, for a message: "a named pipe", "a link to a device".
    QString description() const;

private:
    Kind m_kind = Kind::Missing;
    bool m_link = false;
    unsigned m_permissions = 0;
    qint64 m_size = 0;
    int m_error = 0;
};
