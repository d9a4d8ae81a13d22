#include "print/sheets/CalibrationPage.h"
#include "PageQuery.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

struct PaperCase {
    const char* name;
    QPageSize::PageSizeId size;
    PageOrientation orientation;
    int alongWidthMm;
    int alongLengthMm;
    double across; ///< the bar across the page, twips
};

class CalibrationPaper : public ::testing::TestWithParam<PaperCase> { };

} // namespace

TEST_P(CalibrationPaper, BarsAreTheWholeCentimetresThePrintableAreaHolds)
{
    const PaperCase& c = GetParam();
    const PaperFormat paper = PaperFormat::of(QPageSize(c.size), c.orientation);
    const CalibrationBars bars = CalibrationBars::of(paper);
    EXPECT_EQ(bars.alongWidthMm, c.alongWidthMm);
    EXPECT_EQ(bars.alongLengthMm, c.alongLengthMm);

    const Page page = calibrationPage(paper, QStringLiteral("Laser"));
    const auto across = select(page, [](const PageOp& op) { return op.dy == 0 && op.dx > 1000; });
    ASSERT_EQ(across.size(), 1u);
    EXPECT_DOUBLE_EQ(across[0].dx, c.across);
    EXPECT_LE(across[0].x + across[0].dx, paper.printableWidth());
    const auto down = select(page, [](const PageOp& op) { return op.dx == 0 && op.dy > 1000; });
    ASSERT_EQ(down.size(), 1u);
    EXPECT_LE(down[0].y + down[0].dy, paper.printableHeight());
    // A tick every millimetre on both, the ends included.
    const auto ticks = select(page, [](const PageOp& op) { return op.dx == 100 || op.dy == 100; });
    const auto longTicks = select(page, [](const PageOp& op) { return op.dx == 200 || op.dy == 200; });
    EXPECT_EQ(
        ticks.size() + longTicks.size(), static_cast<std::size_t>(c.alongWidthMm + c.alongLengthMm + 2));
    EXPECT_EQ(page.scaleX, 1.0);
    EXPECT_FALSE(texts(page).empty());
}

INSTANTIATE_TEST_SUITE_P(Papers, CalibrationPaper,
    ::testing::Values(
        PaperCase { "A4Portrait", QPageSize::A4, PageOrientation::Portrait, 180, 260, 180 * 56.7 },
        PaperCase { "A4Landscape", QPageSize::A4, PageOrientation::Landscape, 180, 260, 260 * 56.7 },
        PaperCase { "LetterPortrait", QPageSize::Letter, PageOrientation::Portrait, 180, 250, 180 * 56.7 }),
    [](const ::testing::TestParamInfo<PaperCase>& row) { return std::string(row.param.name); });
