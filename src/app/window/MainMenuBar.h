#pragma once

#include <QMenuBar>

class frmMain;

/// The window's menu bar: File, Print and Help. Every entry emits the window's command signal that
/// the matching button emits, so a menu command and its button run one handler.
class MainMenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MainMenuBar(frmMain& window);

private:
    QAction* addCommand(
        QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = QKeySequence());

    QString m_tapeLength = QStringLiteral("1000mm"); ///< offered again the next time
};
