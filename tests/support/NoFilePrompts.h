// Settings-file prompts for tests that never save or restore: every dialog is cancelled.
#pragma once

#include "settings/SettingsFilePrompts.h"

class NoFilePrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup&) override { return std::nullopt; }
    bool confirmOverwrite(const QString&, const QString&) override { return false; }
    void showError(const QString&, const QString&) override { }
};
