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

    /// Writes the file whole or not at all: a failed write leaves the previous file as it was.
    /// False with the error number and description of the failure: errno and its text where the
    /// system reported one, QFileDevice's error and text where Qt refused by itself.
    static bool writeFile(
        const SettingsModel& model, const QString& path, int& errorNumber, QString& description);

private:
    static QString errorText(
        const QString& heading, const QString& path, int number, const QString& description);

    SettingsModel& m_model;
    SettingsFilePrompts& m_prompts;
};
