#pragma once

#include <QString>
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
};

/// The questions and reports of the settings file commands: a file dialog and two message boxes.
/// Texts arrive complete, with CR LF where a line breaks.
class SettingsFilePrompts {
public:
    virtual ~SettingsFilePrompts() = default;

    /// The chosen path, or nothing when the user cancelled. A name that does not exist yet is
    /// accepted, and the dialog never asks about overwriting by itself.
    virtual std::optional<QString> chooseFile(const FileDialogSetup& setup) = 0;
    /// OK / Cancel with the exclamation icon; true only for OK.
    virtual bool confirmOverwrite(const QString& title, const QString& text) = 0;
    /// An OK box with the critical icon.
    virtual void showError(const QString& title, const QString& text) = 0;
};
