#pragma once

#include "settings/SettingsFilePrompts.h"
#include "settings/SettingsModel.h"

#include <QFileDevice>
#include <optional>

/// The Save and Restore buttons: every setting to or from a settings file the user picks, with
/// the confirmation and error boxes asked through the prompts. Results go to the status line.
class SettingsFileCommands {
public:
    SettingsFileCommands(SettingsModel& model, SettingsFilePrompts& prompts);

    void save();
    void restore();
    /// The settings files saved or restored since the start.
    const QStringList& filesUsed() const { return m_filesUsed; }

    static FileDialogSetup saveDialogSetup();
    static FileDialogSetup restoreDialogSetup();

    /// Writes the file whole or not at all: a failed write leaves the previous file as it was, and
    /// a replaced file keeps its permissions. False with the system's error number and its text
    /// (EISDIR for a folder, EOPNOTSUPP for a pipe, socket or device, EACCES for a read-only file,
    /// EIO for a failure the system gave no number for).
    static bool writeFile(
        const SettingsModel& model, const QString& path, int& errorNumber, QString& description);

private:
    /// The file the user picks, after the status line is cleared; nothing for a cancel or no name.
    std::optional<QString> choosePath(const FileDialogSetup& setup);
    /// The error box of a file that can't be written or read: the heading, the path and the system's
    /// error number with its text.
    void showFileError(const QString& title, const QString& heading, const QString& path, int systemError);

    SettingsModel& m_model;
    SettingsFilePrompts& m_prompts;
    QStringList m_filesUsed;
};
