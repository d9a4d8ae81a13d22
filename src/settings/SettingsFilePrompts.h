#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// How the file dialog is set up before Save or Restore shows it.
struct FileDialogSetup {
    enum class Style { Open, Save };

    Style style = Style::Open;
    QString filter; ///< "Description (*.txt)|*.txt": description and pattern pairs split by "|"
    QString defaultExtension; ///< with its dot: ".txt"
    QString initialFolder; ///< used unchanged, may be relative
    int flags = 0; ///< 4: no read-only box, 8: leave the current directory alone
    bool cancelIsFailure = true;
    bool dialogConfirmsOverwrite = false; ///< the dialog asks before a file is replaced
    QString title;
    QString choiceLabel; ///< a list to choose from below the file name, when it has choices
    QStringList choices;
};

/// The questions and reports of the settings file commands: a file dialog and two message boxes.
/// Texts arrive complete, with CR LF where a line breaks.
class SettingsFilePrompts {
public:
    virtual ~SettingsFilePrompts() = default;

    /// The chosen path, or nothing when the user cancelled. A name that does not exist yet is
    /// accepted, and the dialog never asks about overwriting by itself.
    virtual std::optional<QString> chooseFile(const FileDialogSetup& setup) = 0;
    /// The same with the setup's choices shown, `choice` the one chosen first and, once the
    /// user chose a file, the one chosen then. Without a list to show, the choice stays.
    virtual std::optional<QString> chooseFileAndChoice(const FileDialogSetup& setup, int& choice)
    {
        Q_UNUSED(choice);
        return chooseFile(setup);
    }
    /// OK / Cancel with the exclamation icon; true only for OK.
    virtual bool confirmOverwrite(const QString& title, const QString& text) = 0;
    /// An OK box with the critical icon.
    virtual void showError(const QString& title, const QString& text) = 0;
};
