#include "print/page/TextMetrics.h"

#include "print/page/PageFont.h"

#include <QFontMetricsF>

double FixedTextMetrics::width(const QString& text, const QString&, double points) const
{
    return text.size() * kWidthPerPoint * points;
}

double FixedTextMetrics::height(const QString&, const QString&, double points) const
{
    return kHeightPerPoint * points;
}

double FontTextMetrics::width(const QString& text, const QString& fontName, double points) const
{
    return QFontMetricsF(pageFont(fontName, points)).horizontalAdvance(text);
}

double FontTextMetrics::height(const QString&, const QString& fontName, double points) const
{
    return QFontMetricsF(pageFont(fontName, points)).height();
}
