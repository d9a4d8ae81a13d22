#include "app/window/DesignLayout.h"

#include <QApplication>
#include <QWidget>
#include <QtMath>

DesignLayout::DesignLayout(double logicalDpi, double fontScale)
    : m_scale((logicalDpi > 0 ? logicalDpi / 96.0 : 1.0) * (fontScale > 0 ? fontScale : 1.0))
    , m_fontScale(fontScale > 0 ? fontScale : 1.0)
{ }

double DesignLayout::desktopFontScale()
{
    const double points = QApplication::font().pointSizeF();
    return points > 0 ? points / kDesignDesktopPoints : 1.0;
}

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

QFont DesignLayout::arial(double points, bool bold, bool italic, bool underline) const
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points * m_fontScale);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
