#include "print/altitude/AltitudeScale.h"
#include "PageQuery.h"
#include "print/page/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

constexpr double kEightyMmDiameter = 80 * 3.14 * 56.7; // 14243.04 twips

StripInputs eightyMm(double smallestMark)
{
    return diameterStrip(80, smallestMark);
}

Page draw(const StripInputs& in)
{
    RecordingSurface surface(16838, std::make_shared<FixedTextMetrics>());
    DrawAltitudeScale(surface, { 100, 750 }, in, altitudeNumbers());
    return surface.page();
}

} // namespace

TEST(AltitudeScale, NumbersRunNinetyToZeroAndBackWithTheNinetySplitAtTheEnds)
{
    QStringList expected;
    for (int n : { 0, 80, 70, 60, 50, 40, 30, 20, 10, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 80, 70, 60, 50,
             40, 30, 20, 10, 0, 10, 20, 30, 40, 50, 60, 70, 80, 9 })
        expected << QString::number(n);
    EXPECT_EQ(numberTexts(draw(eightyMm(1))), expected);
}

namespace {

struct SmallestMarkCase {
    const char* name;
    double smallest;
    std::size_t smallMarks;
    double smallSpacing;
};

class AltitudeMarkFamilies : public ::testing::TestWithParam<SmallestMarkCase> { };

} // namespace

TEST_P(AltitudeMarkFamilies, OfAnEightyMillimetreCircle)
{
    const SmallestMarkCase& c = GetParam();
    const Page page = draw(eightyMm(c.smallest));
    const auto small = strokes(page, 100);
    const auto five = strokes(page, 200);
    const auto ten = strokes(page, 250);
    ASSERT_EQ(small.size(), c.smallMarks);
    ASSERT_EQ(five.size(), 36u);
    ASSERT_EQ(ten.size(), 37u);

    EXPECT_EQ(small.front().x, 100.0);
    EXPECT_NEAR(small[1].x - small[0].x, c.smallSpacing, 1e-3);
    EXPECT_NEAR(small.back().x, 100 + kEightyMmDiameter * (360 - c.smallest) / 360, 1e-2);
    // The five family skips every ten-degree place: first at 5 degrees, then every ten.
    EXPECT_NEAR(five.front().x, 100 + 197.82, 1e-3);
    EXPECT_NEAR(five[1].x - five[0].x, 395.64, 1e-3);
    EXPECT_NEAR(five.back().x, 100 + kEightyMmDiameter * 355 / 360, 1e-2);
    // Both ends of the strip carry a ten-degree mark.
    EXPECT_EQ(ten.front().x, 100.0);
    EXPECT_NEAR(ten.back().x, 100 + kEightyMmDiameter, 1e-2);
    EXPECT_EQ(small.front().penDots, 2);
    EXPECT_EQ(five.front().penDots, 3);
    EXPECT_EQ(ten.front().penDots, 4);
}

INSTANTIATE_TEST_SUITE_P(SmallestMarks, AltitudeMarkFamilies,
    ::testing::Values(
        SmallestMarkCase { "OneDegree", 1, 360, 39.564 }, SmallestMarkCase { "FiveDegrees", 5, 72, 197.82 }),
    [](const ::testing::TestParamInfo<SmallestMarkCase>& row) { return std::string(row.param.name); });

TEST(AltitudeScale, NumbersSitOnTheirMarksByTheEndAndMiddleRules)
{
    // 10 pt in the test metrics: 110 twips a digit.
    const auto numbers = texts(draw(eightyMm(1)));
    ASSERT_EQ(numbers.size(), 37u);
    EXPECT_EQ(numbers[0].x, 65.0); // round(100 - 110) + 75
    EXPECT_EQ(numbers[1].x, 336.0); // round(495.64 - 110) - 50
    EXPECT_EQ(numbers[18].x, 7062.0); // the middle 90: round(7221.52 - 110) - 50
    EXPECT_EQ(numbers[36].x, 14208.0); // round(14343.04 - 110) - 25
    EXPECT_EQ(numbers[0].y, 1000.0); // below the 250-twip long marks of a row at 750
}
