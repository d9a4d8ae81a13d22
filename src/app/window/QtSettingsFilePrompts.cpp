#include "app/window/QtSettingsFilePrompts.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace {
// The texts break lines with CR LF; a label shows the CR as a stray glyph on some styles.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

QtSettingsFilePrompts::QtSettingsFilePrompts(QWidget* parent)
    : m_parent(parent)
{ }

QStringList QtSettingsFilePrompts::nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses; add them unless the description shows them.
        filters += description.contains(QLatin1Char('('))
            ? description
            : description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::optional<QString> QtSettingsFilePrompts::chooseFile(const FileDialogSetup& setup)
{
    int none = 0;
    return chooseFileAndChoice(setup, none);
}

std::optional<QString> QtSettingsFilePrompts::chooseFileAndChoice(const FileDialogSetup& setup, int& choice)
{
    QFileDialog dialog(m_parent, setup.title);
    QComboBox* choices = nullptr;
    if (!setup.choices.isEmpty()) {
        // Qt's own dialog: a platform's cannot take a row of the program's.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            choices = new QComboBox(&dialog);
            choices->setObjectName(QStringLiteral("FileDialogChoice"));
            choices->addItems(setup.choices);
            choices->setCurrentIndex(std::clamp(choice, 0, int(setup.choices.size() - 1)));
            auto* label = new QLabel(setup.choiceLabel, &dialog);
            label->setBuddy(choices);
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0);
            grid->addWidget(choices, row, 1, 1, grid->columnCount() - 1);
        }
    }
    dialog.setNameFilters(nameFilters(setup.filter));
    QString suffix = setup.defaultExtension;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    // The folder is taken as given, relative to the working directory; when it is not there the
    // dialog opens where it would anyway.
    const QDir folder(setup.initialFolder);
    if (!setup.initialFolder.isEmpty() && folder.exists())
        dialog.setDirectory(folder.absolutePath());
    // Restore, too, accepts a name that does not exist: opening it then fails with its own message.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(
        setup.style == FileDialogSetup::Style::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The settings commands ask about overwriting themselves. Flags 4 and 8 need nothing: Qt's
    // dialog has no read-only box and never changes the working directory.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.dialogConfirmsOverwrite);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt; // a cancel always ends the command, as cancelIsFailure asks
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.constFirst().isEmpty())
        return std::nullopt;
    if (choices != nullptr)
        choice = choices->currentIndex();
    return files.constFirst();
}

bool QtSettingsFilePrompts::confirmOverwrite(const QString& title, const QString& text)
{
    QMessageBox box(
        QMessageBox::Warning, title, forDisplay(text), QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setTextFormat(Qt::PlainText); // a path is never markup
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void QtSettingsFilePrompts::showError(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, title, forDisplay(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
