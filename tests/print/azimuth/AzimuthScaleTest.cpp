#include "print/azimuth/AzimuthScale.h"
#include "PageQuery.h"
#include "print/page/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

constexpr double kSixtyMmDiameter = 60 * 3.14 * 56.7; // 10682.28 twips

StripInputs sixtyMm(double smallestMark)
{
    return diameterStrip(60, smallestMark);
}

using Drawer = PagePosition (*)(PrintSurface&, PagePosition, const StripInputs&, const ScaleNumbers&);

Page draw(Drawer drawer, const StripInputs& in, const ScaleNumbers& numbers)
{
    RecordingSurface surface(16838, std::make_shared<FixedTextMetrics>());
    drawer(surface, { 100, 750 }, in, numbers);
    return surface.page();
}

QStringList sequence(std::initializer_list<int> head, int step, int count, std::initializer_list<int> tail)
{
    QStringList list;
    for (int n : head)
        list << QString::number(n);
    for (int i = 0; i < count; ++i)
        list << QString::number(*(head.end() - 1) + step * (i + 1));
    for (int n : tail)
        list << QString::number(n);
    return list;
}

} // namespace

TEST(AzimuthScale, NumbersReadUpDownOrInHours)
{
    EXPECT_EQ(numberTexts(draw(&DrawAzimuthScale, sixtyMm(1), azimuthNumbers(true))),
        sequence({ 0 }, 10, 35, { 0 }));
    EXPECT_EQ(numberTexts(draw(&DrawAzimuthScale, sixtyMm(1), azimuthNumbers(false))),
        sequence({ 0, 350 }, -10, 34, { 0 }));
    EXPECT_EQ(numberTexts(draw(&DrawRaScale, sixtyMm(5), raNumbers())), sequence({ 0 }, 1, 23, { 0 }));
}

TEST(AzimuthScale, RaMarksEveryTenMinutesHalfHourAndHour)
{
    // The RA drawing ignores the smallest mark setting.
    const Page page = draw(&DrawRaScale, sixtyMm(5), raNumbers());
    const auto small = strokes(page, 100);
    const auto middle = strokes(page, 200);
    const auto hours = strokes(page, 250);
    ASSERT_EQ(small.size(), 144u);
    ASSERT_EQ(middle.size(), 47u);
    ASSERT_EQ(hours.size(), 25u);
    EXPECT_NEAR(small[1].x - small[0].x, 74.1825, 1e-3);
    EXPECT_NEAR(small.back().x, 100 + kSixtyMmDiameter * 143 / 144, 1e-2);
    EXPECT_NEAR(middle.front().x, 100 + 222.5475, 1e-3);
    EXPECT_NEAR(middle.back().x, 100 + 47 * 222.5475, 1e-2); // 23:30
    EXPECT_NEAR(hours[1].x - hours[0].x, 445.095, 1e-3);
    EXPECT_NEAR(hours.back().x, 100 + kSixtyMmDiameter, 1e-2);
}

TEST(AzimuthScale, EndNumbersOfAzimuthAndRaStandApart)
{
    // 10 pt in the test metrics: 110 twips a digit; the right end is at 10782.28.
    const auto azimuth = texts(draw(&DrawAzimuthScale, sixtyMm(1), azimuthNumbers(true)));
    const auto ra = texts(draw(&DrawRaScale, sixtyMm(1), raNumbers()));
    ASSERT_EQ(azimuth.size(), 37u);
    ASSERT_EQ(ra.size(), 25u);
    EXPECT_EQ(azimuth.front().x, 65.0);
    EXPECT_EQ(ra.front().x, 65.0);
    EXPECT_EQ(azimuth[1].x, 237.0); // round(396.73 - 110) - 50
    EXPECT_EQ(ra[1].x, 440.0); // round(545.095 - 55) - 50
    EXPECT_EQ(azimuth.back().x, 10647.0); // round(10782.28 - 110) - 25
    EXPECT_EQ(ra.back().x, 10632.0); // the same, - 40
}
