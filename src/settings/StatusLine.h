#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

/// The window's one-line status report: a text and its colour (0xAARRGGBB). Handlers set the colour first,
/// then the text; an empty text clears the line but keeps the colour.
class StatusLine : public QObject {
    Q_OBJECT
public:
    static constexpr quint32 kStatusColor = 0xFF008000; // RGB(0, 128, 0): progress and success
    static constexpr quint32 kErrorColor = 0xFFC00000; // RGB(192, 0, 0): errors and refusals

    using QObject::QObject;

    const QString& text() const { return m_text; }
    quint32 color() const { return m_color; }

    void setText(const QString& text);
    void setColor(quint32 color);
    /// The usual pair: colour first, then the text.
    void show(quint32 color, const QString& text);

Q_SIGNALS:
    void changed();

private:
    QString m_text;
    quint32 m_color = kStatusColor;
};
