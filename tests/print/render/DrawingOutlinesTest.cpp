// The page's circles and turned texts as a cutter's drawing takes them: whole circles to cut, rings
// filled between their radii, texts as glyphs turned with them.
#include "print/page/PageUnits.h"
#include "print/render/PageOutlines.h"
#include "print/render/SvgDocument.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr double kMm = kTwipsPerMm;

Page ringPage()
{
    Page page;
    page.rows.push_back(PageRow {});
    page.ops.push_back(PageOp::annulus(60 * kMm, 60 * kMm, 50 * kMm, 30 * kMm, 0, 360));
    for (const double radius : { 50.0, 30.0 }) {
        PageOp circle = PageOp::arc(60 * kMm, 60 * kMm, radius * kMm, 0, 360);
        circle.cut = true;
        page.ops.push_back(circle);
    }
    return page;
}

} // namespace

TEST(DrawingOutlines, ARingsCutCirclesAreCirclesAndItsBandIsEngravedBetweenThem)
{
    const PageOutlines outlines = PageOutlines::of(ringPage());
    ASSERT_EQ(outlines.cutCircles.size(), 2u);
    EXPECT_TRUE(outlines.cut.empty());
    EXPECT_TRUE(outlines.notes.empty());
    ASSERT_EQ(outlines.engrave.size(), 1u);
    const QPainterPath& band = outlines.engrave.front();
    EXPECT_NEAR(band.boundingRect().width(), 100 * kMm, 0.01);
    EXPECT_TRUE(band.contains(QPointF(60 * kMm, 20 * kMm))); // between the radii
    EXPECT_FALSE(band.contains(QPointF(60 * kMm, 60 * kMm))); // the hole

    const QString svg = QString::fromUtf8(svgDocument(outlines));
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"100mm\" height=\"100mm\" viewBox=\"0 0 100 100\"")));
    // Paths, each with its own look: Inkscape's R12 DXF export takes only paths, its R14 export
    // only the element's own colour.
    EXPECT_TRUE(svg.contains(QStringLiteral("<path d=\"M0 50A50 50 0 1 0 100 50A50 50 0 1 0 0 50Z\" "
                                            "style=\"fill:none;stroke:#ff0000;stroke-width:0.01\"/>")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<path d=\"M20 50A30 30 0 1 0 80 50A30 30 0 1 0 20 50Z\" "
                                            "style=\"fill:none;stroke:#ff0000;stroke-width:0.01\"/>")));
    EXPECT_FALSE(svg.contains(QStringLiteral("<circle")));
}

TEST(DrawingOutlines, ATurnedTextIsItsGlyphsTurnedAboutItsTopLeftCorner)
{
    Page page;
    PageOp text;
    text.kind = PageOp::Kind::Text;
    text.x = 1000;
    text.y = 1000;
    text.text = QStringLiteral("350");
    text.fontName = QStringLiteral("Arial");
    text.fontPoints = 10;
    page.ops.push_back(text);
    text.rotation = 90;
    page.ops.push_back(text);

    const PageOutlines outlines = PageOutlines::of(page);
    ASSERT_EQ(outlines.notes.size(), 2u); // no row: notes
    const QRectF level = outlines.notes[0].boundingRect();
    const QRectF turned = outlines.notes[1].boundingRect();
    EXPECT_NEAR(turned.width(), level.height(), 0.5);
    EXPECT_NEAR(turned.height(), level.width(), 0.5);
    // Clockwise by a quarter: the text runs down from the corner, its top towards the right.
    EXPECT_NEAR(turned.top(), 1000 + (level.left() - 1000), 0.5);
    EXPECT_NEAR(turned.right(), 1000 - (level.top() - 1000), 0.5);
    EXPECT_FALSE(QString::fromUtf8(svgDocument(outlines)).contains(QStringLiteral("<text")));
}
