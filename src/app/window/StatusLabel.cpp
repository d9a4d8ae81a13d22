#include "app/window/StatusLabel.h"

#include "app/window/ReadableColour.h"
#include "app/window/StatusLabelAccessible.h"
#include "settings/StatusLine.h"

#include <QAccessible>
#include <QColor>

StatusLabel::StatusLabel(const StatusLine& status, QWidget* parent)
    : QLabel(parent)
    , m_status(status)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&StatusLabelAccessible::create);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("DECLlabel"));
    connect(&status, &StatusLine::changed, this, &StatusLabel::showStatus);
    showStatus();
    m_announced = text();
}

bool StatusLabel::showsError() const
{
    return m_status.color() == StatusLine::kErrorColor;
}

void StatusLabel::showStatus()
{
    setText(m_status.text());
    showColour();
    // A handler sets the colour and then the text; telling between the two would announce the old
    // text in the new colour. The announcement waits for the window's next round of events, and
    // then says whatever the line shows, a repeated message included.
    if (!m_announcePending) {
        m_announcePending = true;
        QMetaObject::invokeMethod(this, &StatusLabel::announce, Qt::QueuedConnection);
    }
}

void StatusLabel::showColour()
{
    // The window's palette, set before its children's: this label's own carries its style sheet's
    // colour.
    const QPalette palette = window()->palette();
    // A style sheet changes this label's palette in turn: set it again only when it differs.
    const QString style = readable::styleOn(palette, QColor::fromRgb(m_status.color()));
    if (style != styleSheet())
        setStyleSheet(style);
}

void StatusLabel::announce()
{
    m_announcePending = false;
    const QString shown = text();
    if (shown.isEmpty() && m_announced.isEmpty())
        return;
    if (shown == m_announced) {
        // The same message again; a changed text QLabel has already reported as a new name.
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
    QAccessibleTextUpdateEvent textChanged(this, 0, m_announced, shown);
    QAccessible::updateAccessibility(&textChanged);
    const bool alert = showsError() && !shown.isEmpty();
    if (alert) {
        QAccessibleEvent event(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
    m_announced = shown;
    Q_EMIT announced(shown, alert);
}
