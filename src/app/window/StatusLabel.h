#pragma once

#include <QLabel>

class StatusLine;

/// The status line DECLlabel: shows the status text in its colour and tells assistive technology
/// what it now says, as an alert when it is an error.
class StatusLabel : public QLabel {
    Q_OBJECT
public:
    StatusLabel(const StatusLine& status, QWidget* parent);

    bool showsError() const;
    /// The status colour, readable on the window's palette; again whenever that palette changes.
    void showColour();

Q_SIGNALS:
    /// Assistive technology was told: the line now says text, as an alert or not.
    void announced(const QString& text, bool alert);

private:
    void showStatus();
    void announce();

    const StatusLine& m_status;
    QString m_announced;
    bool m_announcePending = false;
};
