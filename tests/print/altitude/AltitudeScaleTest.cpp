#include "print/altitude/AltitudeScale.h"
#include "PageQuery.h"
#include "print/page/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

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
