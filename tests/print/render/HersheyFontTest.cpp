// The single-stroke font as the system installs it: the glyphs a scale's texts use, the signs the
// face lacks, and files that are not the font.
#include "print/render/HersheyFont.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const std::optional<HersheyFont>& installed()
{
    static const std::optional<HersheyFont> font = HersheyFont::load(HersheyFont::simplexPath());
    return font;
}

QRectF boxOf(const std::vector<QPolygonF>& lines)
{
    QRectF box;
    for (const QPolygonF& line : lines)
        box = box.united(line.boundingRect());
    return box;
}

struct TextRow {
    const char* name;
    QString text;
    std::size_t lines; ///< the pen's strokes
    double height; ///< of their box, in font units
    double width;
};

class HersheyText : public ::testing::TestWithParam<TextRow> { };

} // namespace

TEST_P(HersheyText, IsDrawnInItsGlyphsStrokes)
{
    ASSERT_TRUE(installed().has_value()) << "hershey-fonts-data is not installed";
    const std::vector<QPolygonF> lines = installed()->strokes(GetParam().text);
    EXPECT_EQ(lines.size(), GetParam().lines);
    const QRectF box = boxOf(lines);
    EXPECT_DOUBLE_EQ(box.height(), GetParam().height);
    EXPECT_DOUBLE_EQ(box.width(), GetParam().width);
    for (const QPolygonF& line : lines)
        EXPECT_GE(line.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Texts, HersheyText,
    ::testing::Values(TextRow { "Zero", QStringLiteral("0"), 1, HersheyFont::kDigitHeight, 14 },
        TextRow { "Seven", QStringLiteral("7"), 2, HersheyFont::kDigitHeight, 14 },
        // The glyphs side by side: "0" starts its own advance after "1".
        TextRow { "Ten", QStringLiteral("10"), 2, HersheyFont::kDigitHeight, 31 },
        TextRow { "Space", QStringLiteral(" "), 0, 0, 0 },
        // The face has no degree sign: a small circle up top.
        TextRow { "Degree", QStringLiteral("\u00B0"), 1, 6, 6 },
        TextRow { "Seconds", QStringLiteral("\u2033"), 2, 6, 5 },
        // What the face lacks is a question mark, never nothing.
        TextRow { "Cyrillic", QStringLiteral("\u0416"), 2, HersheyFont::kDigitHeight, 12 }),
    [](const ::testing::TestParamInfo<TextRow>& row) { return std::string(row.param.name); });

TEST(HersheyFile, AGlyphRunningOnOverTwoLinesReadsAsOnOne)
{
    QFile file(HersheyFont::simplexPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "hershey-fonts-data is not installed";
    QByteArray wrapped = file.readAll();
    // As some JHF files break lines of more than 72 characters: inside the "8" glyph's data.
    const qsizetype eight = wrapped.indexOf("  708 30");
    ASSERT_GT(eight, 0);
    wrapped.insert(eight + 40, '\n');
    const std::optional<HersheyFont> font = HersheyFont::parse(wrapped);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(
        font->strokes(QStringLiteral("0123456789")), installed()->strokes(QStringLiteral("0123456789")));
}

TEST(HersheyFile, WhatIsNotTheFontIsRefused)
{
    for (const char* data : { "", "not a font at all", "  501 12JZRFRT" /* its pairs cut short */ })
        EXPECT_FALSE(HersheyFont::parse(data).has_value()) << data;
    EXPECT_FALSE(HersheyFont::load(QStringLiteral("/nonexistent/rowmans.jhf")).has_value());
}
