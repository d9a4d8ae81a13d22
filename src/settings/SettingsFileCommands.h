#pragma once

#include "settings/SettingsFilePrompts.h"
#include "settings/SettingsModel.h"

#include <QFileDevice>

/// The Save and Restore buttons: every setting to or from a settings file the user picks, with
/// the confirmation and error boxes asked through the prompts. Results go to the status line.
class SettingsFileCommands {
public:
    SettingsFileCommands(SettingsModel& model, SettingsFilePrompts& prompts);

    void save();
    void restore();

    static FileDialogSetup saveDialogSetup();
    static FileDialogSetup restoreDialogSetup();

    /// Writes the file whole or not at all: a failed write leaves the previous file as it was, and
    /// a replaced file keeps its permissions. False with the system's error number and its text
    /// (EISDIR for a folder, EOPNOTSUPP for a pipe, socket or device, EACCES for a read-only file,
    /// EIO for a failure the system gave no number for).
    static bool writeFile(
        const SettingsModel& model, const QString& path, int& errorNumber, QString& description);

private:
    static QString errorText(
        const QString& heading, const QString& path, int number, const QString& description);

    SettingsModel& m_model;
    SettingsFilePrompts& m_prompts;
};
