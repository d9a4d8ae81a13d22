#include "settings/StatusLine.h"

void StatusLine::setText(const QString& text)
{
    m_text = text;
    Q_EMIT changed();
}

void StatusLine::setColor(quint32 color)
{
    m_color = color;
    Q_EMIT changed();
}

void StatusLine::show(quint32 color, const QString& text)
{
    setColor(color);
    setText(text);
}
