#include "app/window/StatusLabelAccessible.h"

#include "app/window/StatusLabel.h"

#include <QFontMetrics>

StatusLabelAccessible::StatusLabelAccessible(StatusLabel* label)
    : QAccessibleWidget(label, QAccessible::StatusBar)
{ }

QAccessibleInterface* StatusLabelAccessible::create(const QString& className, QObject* object)
{
    if (className != QLatin1String(StatusLabel::staticMetaObject.className()))
        return nullptr;
    auto* label = qobject_cast<StatusLabel*>(object);
    return label ? new StatusLabelAccessible(label) : nullptr;
}

QString StatusLabelAccessible::shown() const
{
    return static_cast<const StatusLabel*>(widget())->text();
}

QAccessible::Role StatusLabelAccessible::role() const
{
    return QAccessible::StatusBar;
}

QString StatusLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return shown();
    return QAccessibleWidget::text(t);
}

void* StatusLabelAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void StatusLabelAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int StatusLabelAccessible::selectionCount() const
{
    return 0;
}

void StatusLabelAccessible::addSelection(int, int)
{ }

void StatusLabelAccessible::removeSelection(int)
{ }

void StatusLabelAccessible::setSelection(int, int, int)
{ }

int StatusLabelAccessible::cursorPosition() const
{
    return 0;
}

void StatusLabelAccessible::setCursorPosition(int)
{ }

QString StatusLabelAccessible::text(int startOffset, int endOffset) const
{
    const QString all = shown();
    startOffset = qBound(0, startOffset, static_cast<int>(all.size()));
    endOffset = endOffset < 0 ? static_cast<int>(all.size())
                              : qBound(startOffset, endOffset, static_cast<int>(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int StatusLabelAccessible::characterCount() const
{
    return static_cast<int>(shown().size());
}

QRect StatusLabelAccessible::characterRect(int offset) const
{
    const QString all = shown();
    if (offset < 0 || offset >= all.size())
        return QRect();
    const QFontMetrics metrics(widget()->font());
    const int left = metrics.horizontalAdvance(all.left(offset));
    const QRect local(left, 0, metrics.horizontalAdvance(all.at(offset)), metrics.height());
    return local.translated(widget()->mapToGlobal(QPoint(0, 0)));
}

int StatusLabelAccessible::offsetAtPoint(const QPoint&) const
{
    return -1;
}

void StatusLabelAccessible::scrollToSubstring(int, int)
{ }

QString StatusLabelAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
