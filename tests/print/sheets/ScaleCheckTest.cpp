#include "PageQuery.h"
#include "print/sheets/SheetLayout.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

SheetRequest checked(bool inches)
{
    SheetRequest request;
    request.scaleCheck = true;
    request.inches = inches;
    return request;
}

/// A page as a job leaves it: a strip's mark and a caption line.
Page drawnPage(double captionTop)
{
    Page page;
    PageOp mark;
    mark.x = 100;
    mark.y = 750;
    mark.dy = 250;
    page.ops.push_back(mark);
    PageOp caption;
    caption.kind = PageOp::Kind::Text;
    caption.x = 2200;
    caption.y = captionTop;
    caption.text = QStringLiteral("Altitude Circle length = 188.4 mm");
    caption.fontName = QStringLiteral("Arial");
    caption.fontPoints = 10;
    page.ops.push_back(caption);
    return page;
}

bool samePage(const Page& a, const Page& b)
{
    if (a.ops.size() != b.ops.size())
        return false;
    for (std::size_t i = 0; i < a.ops.size(); ++i) {
        const PageOp& x = a.ops[i];
        const PageOp& y = b.ops[i];
        if (x.kind != y.kind || x.x != y.x || x.y != y.y || x.dx != y.dx || x.dy != y.dy
            || x.colour != y.colour || x.penDots != y.penDots || x.text != y.text || x.fontName != y.fontName
            || x.fontPoints != y.fontPoints)
            return false;
    }
    return a.scaleX == b.scaleX && a.scaleY == b.scaleY;
}

struct CheckCase {
    const char* name;
    bool inches;
    double across;
    double down;
    std::size_t ticksAcross;
    std::size_t ticksDown;
    const char* acrossLabel;
    const char* downLabel;
};

class ScaleCheckBars : public ::testing::TestWithParam<CheckCase> { };

} // namespace

TEST_P(ScaleCheckBars, FollowTheLastCaptionInTheStripsArithmetic)
{
    const CheckCase& c = GetParam();
    const Page drawn = drawnPage(2000);
    const std::vector<Page> sheets = layOutSheets(drawn, checked(c.inches), FixedTextMetrics());
    ASSERT_EQ(sheets.size(), 1u);
    const Page& sheet = sheets[0];
    ASSERT_GT(sheet.ops.size(), drawn.ops.size());
    for (std::size_t i = 0; i < drawn.ops.size(); ++i)
        EXPECT_EQ(sheet.ops[i].y, drawn.ops[i].y) << "the page itself is not moved";

    const auto across = select(sheet, [&](const PageOp& op) { return op.dx == c.across && op.dy == 0; });
    ASSERT_EQ(across.size(), 1u);
    const double top = 2000 + 220 + 500; // the caption's line and the gap below it
    EXPECT_EQ(across[0].x, 100.0);
    EXPECT_EQ(across[0].y, top + 500);
    const auto down = select(sheet, [&](const PageOp& op) { return op.dx == 0 && op.dy == c.down; });
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].y, top);

    const auto ticksOf = [&](double length) {
        return select(sheet, [&](const PageOp& op) {
            return op.kind == PageOp::Kind::Stroke && op.y > 2500 && (op.dx == length || op.dy == length);
        });
    };
    const auto shortTicks = ticksOf(100);
    const auto longTicks = ticksOf(200);
    EXPECT_EQ(shortTicks.size() + longTicks.size(), c.ticksAcross + 1 + c.ticksDown + 1);
    EXPECT_EQ(longTicks.size(), c.ticksAcross / 10 + 1 + c.ticksDown / 10 + 1);
    // The last tick across stands on the bar's end, not where repeated additions got to.
    EXPECT_EQ(longTicks[c.ticksAcross / 10].x, 100 + c.across);
    EXPECT_EQ(text(sheet, QString::fromUtf8(c.acrossLabel)).y, top);
    EXPECT_EQ(text(sheet, QString::fromUtf8(c.downLabel)).x, down[0].x + 300);
}

INSTANTIATE_TEST_SUITE_P(Units, ScaleCheckBars,
    ::testing::Values(CheckCase { "Millimetres", false, 5670, 2835, 100, 50, "100 mm", "50 mm" },
        CheckCase { "Inches", true, 4 * 25.4 * 56.7, 2 * 25.4 * 56.7, 40, 20, "4 in", "2 in" }),
    [](const ::testing::TestParamInfo<CheckCase>& row) { return std::string(row.param.name); });

TEST(ScaleCheck, WithoutItThePageIsTheSheetAsDrawn)
{
    const Page drawn = drawnPage(2000);
    SheetRequest plain;
    plain.splitLongStrips = true; // nothing to split: the strip fits
    const std::vector<Page> sheets = layOutSheets(drawn, plain, FixedTextMetrics());
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_TRUE(samePage(sheets[0], drawn));
}

TEST(ScaleCheck, ThatWouldCrossTheBottomGoesOnASheetOfItsOwnWhenNothingHasRoomBeside)
{
    Page drawn = drawnPage(14000); // 16118 printable on A4 portrait; the check is 2835 high
    drawn.ops.push_back(PageOp::stroke(100, 1000, 10500, 0)); // a strip across the printable width
    const std::vector<Page> sheets = layOutSheets(drawn, checked(false), FixedTextMetrics());
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(samePage(sheets[0], drawn));
    EXPECT_EQ(text(sheets[1], QStringLiteral("100 mm")).y, 750.0);
}

TEST(ScaleCheck, ThatWouldCrossTheBottomGoesBesideWhatLeavesRoom)
{
    const Page drawn = drawnPage(14000); // the caption 2200 twips in: room left of it, none below
    const std::vector<Page> sheets = layOutSheets(drawn, checked(false), FixedTextMetrics());
    ASSERT_EQ(sheets.size(), 1u);
    const PageOp label = text(sheets[0], QStringLiteral("100 mm"));
    EXPECT_EQ(label.y, 750.0) << "at the top, beside the mark";
    EXPECT_GT(label.x, 100.0);
    EXPECT_LE(label.x + 5670, 11906 - 720) << "inside the printable width";
}

TEST(ScaleCheck, SheetsCarryThePrintersCorrectionAlongTheirAxes)
{
    SheetRequest request;
    request.format.factors = { 1.01, 0.98 };
    std::vector<Page> sheets = layOutSheets(drawnPage(2000), request, FixedTextMetrics());
    EXPECT_EQ(sheets[0].scaleX, 1.01);
    EXPECT_EQ(sheets[0].scaleY, 0.98);
    request.format.paper.orientation = PageOrientation::Landscape;
    sheets = layOutSheets(drawnPage(2000), request, FixedTextMetrics());
    EXPECT_EQ(sheets[0].scaleX, 0.98);
    EXPECT_EQ(sheets[0].scaleY, 1.01);
}
