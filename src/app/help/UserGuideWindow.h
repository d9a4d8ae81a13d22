#pragma once

#include <QDialog>

class QTextBrowser;

/// Help > User Guide: the installed guide, read with the keyboard or a screen reader beside the
/// main window.
class UserGuideWindow : public QDialog {
    Q_OBJECT
public:
    /// path is the guide's Markdown file; its pictures are found beside it.
    UserGuideWindow(const QString& path, QWidget* parent);

    /// False when the file could not be read; the window then says so.
    bool loaded() const { return m_loaded; }

private:
    QTextBrowser* m_text = nullptr;
    bool m_loaded = false;
};
