#pragma once

#include <QAccessibleWidget>

class StatusLabel;

/// What assistive technology reads of the status line: a status bar whose name and text are the
/// message it shows, read only.
class StatusLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StatusLabelAccessible(StatusLabel* label);

    /// The accessibility factory: an interface for a StatusLabel, nothing for anything else.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface: the whole message, no caret and no selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString shown() const;
};
