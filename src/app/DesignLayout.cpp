#include "app/DesignLayout.h"

#include <QWidget>
#include <QtMath>

DesignLayout::DesignLayout(double logicalDpi)
    : m_scale(logicalDpi > 0 ? logicalDpi / 96.0 : 1.0)
{ }

int DesignLayout::px(double twips) const
{
    return qRound(twips * m_scale / kTwipsPerPixelAt96Dpi);
}

double DesignLayout::twips(int pixels) const
{
    return pixels * kTwipsPerPixelAt96Dpi / m_scale;
}

void DesignLayout::place(QWidget* widget, int left, int top, int width, int height) const
{
    const QSize hint = widget->sizeHint();
    widget->setGeometry(
        px(left), px(top), width > 0 ? px(width) : hint.width(), height > 0 ? px(height) : hint.height());
}

QFont DesignLayout::arial(double points, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
