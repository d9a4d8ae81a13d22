#include "print/page/PageFont.h"
#include "print/page/TextMetrics.h"

#include <QFontInfo>
#include <gtest/gtest.h>

// Every number on a scale is placed by these metrics: a font with other widths than Arial's moves
// them all, so a machine without a metric-compatible font must fail here, not skip.
TEST(PageFont, ArialResolvesToAMetricCompatibleFont)
{
    const QString family = QFontInfo(pageFont(QStringLiteral("Arial"), 10)).family();
    EXPECT_TRUE(family == QStringLiteral("Liberation Sans") || family == QStringLiteral("Arial"))
        << "Arial is drawn as " << family.toStdString() << "; install fonts-liberation2";

    const FontTextMetrics metrics;
    const QString arial = QStringLiteral("Arial");
    EXPECT_NEAR(metrics.height(QStringLiteral("0"), arial, 10), 223.45, 0.05);
    EXPECT_NEAR(metrics.width(QStringLiteral("0"), arial, 10), 111.22, 0.05);
    EXPECT_NEAR(metrics.width(QStringLiteral("350"), arial, 10), 333.66, 0.05);
    EXPECT_NEAR(metrics.width(QStringLiteral("Alt."), arial, 10), 288.94, 0.05);
    // Sized in twips, so the extent grows in proportion with the point size.
    EXPECT_NEAR(metrics.width(QStringLiteral("350"), arial, 20), 2 * 333.66, 0.1);
}
