#pragma once

#include "settings/SettingsFilePrompts.h"

class QWidget;

/// The settings file commands' file dialog and message boxes, shown modally over the window.
class QtSettingsFilePrompts : public SettingsFilePrompts {
public:
    explicit QtSettingsFilePrompts(QWidget* parent);

    std::optional<QString> chooseFile(const FileDialogSetup& setup) override;
    std::optional<QString> chooseFileAndChoice(const FileDialogSetup& setup, int& choice) override;
    bool confirmOverwrite(const QString& title, const QString& text) override;
    void showError(const QString& title, const QString& text) override;

    /// "Description (*.txt)|*.txt|..." as Qt's name filters: one per description and pattern pair.
    static QStringList nameFilters(const QString& filter);

private:
    QWidget* m_parent;
};
