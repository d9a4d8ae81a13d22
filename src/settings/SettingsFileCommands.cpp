#include "settings/SettingsFileCommands.h"

#include "common/FileTarget.h"
#include "settings/SettingsFileFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// Both dialogs: a text file, first shown in the documents folder; a cancel counts as a failure.
FileDialogSetup dialogSetup(FileDialogSetup::Style style, const QString& filter, const QString& title)
{
    FileDialogSetup setup;
    setup.style = style;
    setup.filter = filter;
    setup.title = title;
    setup.defaultExtension = QStringLiteral(".txt");
    setup.initialFolder = QStringLiteral("My Documents");
    setup.flags = 12;
    setup.cancelIsFailure = true;
    return setup;
}

// The system's error number and its text. Qt refuses a few things by itself without one (those are
// caught before it is asked); whatever remains counts as EIO, "Input/output error".
void describeError(int systemError, int& number, QString& description)
{
    number = systemError != 0 ? systemError : EIO;
    description = qt_error_string(number);
}

// The system error that refuses a file before it is written, 0 when it may be. A pipe would be
// waited on and a device replaced by our file; a file without any write permission bit stays as it
// is for root too, whose writes the system would let through.
int refusalBeforeWriting(const QString& path)
{
    const FileTarget target = FileTarget::of(path);
    if (target.isSpecial())
        return target.refusalError();
    if (target.kind() != FileTarget::Kind::Regular)
        return 0;
    if (target.isReadOnly())
        return EACCES;
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0 ? 0 : errno;
}

// The same before reading: opening a pipe would wait for a writer.
int refusalBeforeReading(const QString& path)
{
    const FileTarget target = FileTarget::of(path);
    if (target.isSpecial())
        return target.refusalError();
    return target.kind() == FileTarget::Kind::Missing ? ENOENT : 0;
}
} // namespace

SettingsFileCommands::SettingsFileCommands(SettingsModel& model, SettingsFilePrompts& prompts)
    : m_model(model)
    , m_prompts(prompts)
{ }

FileDialogSetup SettingsFileCommands::saveDialogSetup()
{
    return dialogSetup(FileDialogSetup::Style::Save,
        QCoreApplication::translate("SettingsFileCommands", "Saved settings files (*.txt)|*.txt"),
        QCoreApplication::translate("SettingsFileCommands", "Create new or overwrite settings file"));
}

FileDialogSetup SettingsFileCommands::restoreDialogSetup()
{
    return dialogSetup(FileDialogSetup::Style::Open,
        QCoreApplication::translate("SettingsFileCommands", "Restore settings files (*.txt)|*.txt"),
        QCoreApplication::translate("SettingsFileCommands", "Restore settings from file"));
}

std::optional<QString> SettingsFileCommands::choosePath(const FileDialogSetup& setup)
{
    m_model.status().setText(QString());
    std::optional<QString> path = m_prompts.chooseFile(setup);
    if (path && path->isEmpty())
        return std::nullopt;
    return path;
}

void SettingsFileCommands::showFileError(
    const QString& title, const QString& heading, const QString& path, int systemError)
{
    int number = 0;
    QString description;
    describeError(systemError, number, description);
    m_prompts.showError(title,
        heading + kCrLf + path + kCrLf + kCrLf
            + QCoreApplication::translate("SettingsFileCommands", "Error %1, %2")
                  .arg(QString::number(number), description));
}

bool SettingsFileCommands::writeFile(
    const SettingsModel& model, const QString& path, int& errorNumber, QString& description)
{
    if (const int refusal = refusalBeforeWriting(path)) {
        describeError(refusal, errorNumber, description);
        return false;
    }
    const QByteArray contents = SettingsFileFormat::contents(model);
    QSaveFile file(path);
    errno = 0;
    bool written = file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    // Flush before commit: QSaveFile commits a file whose buffered write failed (a full disk, a size
    // limit) and reports success, which would replace the old file with a cut-off one.
    written = written && file.flush();
    if (written) {
        errno = 0;
        written = file.commit() && file.error() == QFileDevice::NoError;
    }
    if (!written) {
        describeError(errno, errorNumber, description);
        file.cancelWriting(); // the temporary copy goes, the old file stays
    }
    return written;
}

void SettingsFileCommands::save()
{
    const std::optional<QString> path = choosePath(saveDialogSetup());
    if (!path)
        return;

    // A file that can be opened for reading exists and is asked about; anything else is written anew.
    // Only regular files are tried: opening a pipe would wait for a writer.
    QFile existing(*path);
    if (FileTarget::of(*path).kind() == FileTarget::Kind::Regular && existing.open(QIODevice::ReadOnly)) {
        existing.close();
        if (!m_prompts.confirmOverwrite(
                QCoreApplication::translate("SettingsFileCommands", "Confirm Overwrite"),
                *path + kCrLf + QCoreApplication::translate("SettingsFileCommands", "Will be overwritten!")))
            return;
    }

    int number = 0;
    QString description;
    if (!writeFile(m_model, *path, number, description)) {
        // "writting" is the fixed text of this box: keep it as it is.
        showFileError(QCoreApplication::translate("SettingsFileCommands", "Write settings file error"),
            QCoreApplication::translate("SettingsFileCommands", "Error writting to setting file"), *path,
            number);
        return;
    }
    m_model.status().show(StatusLine::kStatusColor,
        QCoreApplication::translate("SettingsFileCommands", "Settings saved to '%1'").arg(*path));
}

void SettingsFileCommands::restore()
{
    const std::optional<QString> path = choosePath(restoreDialogSetup());
    if (!path)
        return;

    QFile file(*path);
    int refusal = refusalBeforeReading(*path);
    if (refusal == 0) {
        errno = 0;
        if (!file.open(QIODevice::ReadOnly))
            refusal = errno != 0 ? errno : EIO;
    }
    if (refusal != 0) {
        showFileError(QCoreApplication::translate("SettingsFileCommands", "Read settings file error"),
            QCoreApplication::translate("SettingsFileCommands", "Error reading setting file"), *path,
            refusal);
        return;
    }
    int failingLine = 0;
    const int count = SettingsFileFormat::restore(m_model, file, &failingLine);
    file.close();
    // Short of the whole file is not a success: say how far it got and what stopped it.
    if (failingLine > 0 || count < SettingsFileFormat::kLineCount) {
        m_model.status().show(
            StatusLine::kErrorColor, SettingsFileFormat::stopMessage(*path, count, failingLine));
        return;
    }
    // English has no plural rule of its own here: its one is a text of its own.
    m_model.status().show(StatusLine::kStatusColor,
        (count == 1 ? QCoreApplication::translate("SettingsFileCommands", "1 setting restored from '%1'")
                    : QCoreApplication::translate(
                        "SettingsFileCommands", "%n settings restored from '%1'", nullptr, count))
            .arg(*path));
}
