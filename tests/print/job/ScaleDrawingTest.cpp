#include "print/job/ScaleDrawing.h"
#include "PageQuery.h"
#include "common/RuntimeError.h"
#include "print/altitude/AltitudeScale.h"
#include "print/azimuth/AzimuthScale.h"
#include "print/page/RecordingSurface.h"

#include <gtest/gtest.h>
#include <limits>

using namespace pagequery;

namespace {

/// Extents that fall on half twips, so the order of rounding and offset shows.
class HalfTwipMetrics : public TextMetrics {
public:
    double width(const QString& text, const QString&, double) const override { return 20.5 * text.size(); }
    double height(const QString&, const QString&, double) const override { return 200.5; }
};

StripInputs inputs(bool top)
{
    StripInputs in;
    in.lengthTw = 3600;
    in.topLayout = top;
    in.smallMark = 1;
    in.fiveMark = 2;
    in.tenMark = 3;
    in.heightSmall = 100;
    in.heightFive = 200;
    in.heightTen = 250;
    in.fontSize = 12;
    return in;
}

// Three marks per family, one apart in each family's own spacing; numbers 1, 2, 3 every 1800.
const Graduation kGraduation { { {
                                   { 0, 10, 3 },
                                   { 5, 20, 3 },
                                   { 0, 1800, 3 },
                               } },
    75, -25 };
const ScaleNumbers kNumbers { 1, 2, 3 };

} // namespace

TEST(ScaleDrawing, TopLayoutHangsMarksFromTheRowAndPutsNumbersBelow)
{
    RecordingSurface surface(16838, std::make_shared<FixedTextMetrics>());
    const PagePosition position = drawScale(surface, { 100, 1000 }, inputs(true), kGraduation, kNumbers);

    ASSERT_EQ(strokes(surface.page(), 100).size(), 3u);
    ASSERT_EQ(strokes(surface.page(), 200).size(), 3u);
    ASSERT_EQ(strokes(surface.page(), 250).size(), 3u);
    for (const PageOp& op :
        select(surface.page(), [](const PageOp& op) { return op.kind == PageOp::Kind::Stroke; }))
        EXPECT_EQ(op.y, 1000.0);
    EXPECT_EQ(strokes(surface.page(), 200)[2].x, 145.0);
    EXPECT_EQ(strokes(surface.page(), 200)[2].penDots, 2);
    EXPECT_EQ(position.printY, 1250);
    for (const PageOp& op : texts(surface.page()))
        EXPECT_EQ(op.y, 1250.0);
    // Left with the long marks' pen and the numbers' font.
    EXPECT_EQ(surface.drawWidth(), 3);
    EXPECT_EQ(surface.fontName(), QStringLiteral("Arial"));
    EXPECT_EQ(surface.fontSize(), 12.0f);
}

TEST(ScaleDrawing, BottomLayoutStandsMarksOnOneLineBelowTheNumbers)
{
    RecordingSurface surface(16838, std::make_shared<FixedTextMetrics>());
    const PagePosition position = drawScale(surface, { 100, 1000 }, inputs(false), kGraduation, kNumbers);

    const double bottom = 1000 + 22.0 * 12 + 250; // row top + text height + HeightTen
    for (double length : { 100.0, 200.0, 250.0 }) {
        for (const PageOp& op : strokes(surface.page(), length))
            EXPECT_EQ(op.y + op.dy, bottom);
    }
    for (const PageOp& op : texts(surface.page()))
        EXPECT_EQ(op.y, 1000.0);
    EXPECT_EQ(position.printY, 1000);
    EXPECT_EQ(surface.drawWidth(), 3);
}

TEST(ScaleDrawing, NumbersArePlacedByTheirOwnRulesRoundedBeforeTheOffset)
{
    RecordingSurface surface(16838, std::make_shared<HalfTwipMetrics>());
    drawScale(surface, { 100, 1001 }, inputs(false), kGraduation, kNumbers);

    const auto numbers = texts(surface.page());
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_EQ(numbers[0].text, QStringLiteral(" 1 "));
    EXPECT_EQ(numbers[0].x, 155.0); // round(100 - 20.5) = 80, then + 75
    EXPECT_EQ(numbers[1].x, 1840.0); // round(1900 - 10.25) = 1890, then - 50
    EXPECT_EQ(numbers[2].x, 3655.0); // round(3700 - 20.5) = 3680, then - 25
    // The sum of row top and text height is rounded, halves to even: 1001 + 200.5 -> 1202.
    EXPECT_EQ(strokes(surface.page(), 250)[0].y, 1202.0);
}

TEST(ScaleDrawing, BottomLayoutRowTopMustFitSixteenBits)
{
    RecordingSurface surface(16838, std::make_shared<FixedTextMetrics>());
    EXPECT_NO_THROW(drawScale(surface, { 100, 32767 }, inputs(false), kGraduation, kNumbers));
    try {
        drawScale(surface, { 100, 32768 }, inputs(false), kGraduation, kNumbers);
        FAIL() << "a row top of 32768 must overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
    // The top layout keeps no 16-bit copy.
    EXPECT_NO_THROW(drawScale(surface, { 100, 32768 }, inputs(true), kGraduation, kNumbers));
}

TEST(ScaleDrawing, DegreeMarksCountTheLoopOverTheCircle)
{
    EXPECT_EQ(degreeMarkCount(1), 360);
    EXPECT_EQ(degreeMarkCount(5), 72);
    EXPECT_EQ(degreeMarkCount(7), 52); // 1, 8, ..., 358
    // A step that would never finish the loop is refused instead of hanging the job.
    EXPECT_THROW(degreeMarkCount(0), RuntimeError);
    EXPECT_THROW(degreeMarkCount(-1), RuntimeError);
    EXPECT_THROW(degreeMarkCount(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
    EXPECT_THROW(degreeMarkCount(1e-9), RuntimeError);
}

namespace {

using Drawer = PagePosition (*)(PrintSurface&, PagePosition, const StripInputs&, const ScaleNumbers&);

struct FamiliesCase {
    const char* name;
    Drawer draw;
    ScaleNumbers numbers;
    double diameterMm;
    double smallest;
    std::size_t smallMarks;
};

class MarkFamilies : public ::testing::TestWithParam<FamiliesCase> { };

} // namespace

// Degree strips of both kinds: small marks at every smallest step, the five family at every
// ten-degree place but those of the long marks, long marks at both ends.
TEST_P(MarkFamilies, OfADegreeStrip)
{
    const FamiliesCase& c = GetParam();
    RecordingSurface surface(16838, std::make_shared<FixedTextMetrics>());
    const StripInputs strip = diameterStrip(c.diameterMm, c.smallest);
    c.draw(surface, { 100, 750 }, strip, c.numbers);
    const Page page = surface.page();
    const double degree = strip.lengthTw / 360;
    const auto small = strokes(page, 100);
    const auto five = strokes(page, 200);
    const auto ten = strokes(page, 250);
    ASSERT_EQ(small.size(), c.smallMarks);
    ASSERT_EQ(five.size(), 36u);
    ASSERT_EQ(ten.size(), 37u);

    EXPECT_EQ(small.front().x, 100.0);
    EXPECT_NEAR(small[1].x - small[0].x, c.smallest * degree, 1e-3);
    EXPECT_NEAR(small.back().x, 100 + (360 - c.smallest) * degree, 1e-2);
    EXPECT_NEAR(five.front().x, 100 + 5 * degree, 1e-3);
    EXPECT_NEAR(five[1].x - five[0].x, 10 * degree, 1e-3);
    EXPECT_NEAR(five.back().x, 100 + 355 * degree, 1e-2);
    EXPECT_EQ(ten.front().x, 100.0);
    EXPECT_NEAR(ten[1].x - ten[0].x, 10 * degree, 1e-3);
    EXPECT_NEAR(ten.back().x, 100 + strip.lengthTw, 1e-2);
    EXPECT_EQ(small.front().penDots, 2);
    EXPECT_EQ(five.front().penDots, 3);
    EXPECT_EQ(ten.front().penDots, 4);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MarkFamilies,
    ::testing::Values(FamiliesCase { "AltitudeOneDegree", &DrawAltitudeScale, altitudeNumbers(), 80, 1, 360 },
        FamiliesCase { "AltitudeFiveDegrees", &DrawAltitudeScale, altitudeNumbers(), 80, 5, 72 },
        FamiliesCase { "AzimuthOneDegree", &DrawAzimuthScale, azimuthNumbers(true), 60, 1, 360 },
        FamiliesCase { "AzimuthFiveDegrees", &DrawAzimuthScale, azimuthNumbers(true), 60, 5, 72 }),
    [](const ::testing::TestParamInfo<FamiliesCase>& row) { return std::string(row.param.name); });
