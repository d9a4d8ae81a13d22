// The caption line on the paper, measured with the real font: one line where it fits, further lines
// within the printable width where it doesn't, and nothing else on the page moved by them.
#include "PageQuery.h"
#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/sheets/InkExtents.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

constexpr qint32 kA4 = 11906;
constexpr qint32 kA4Landscape = 16838;
constexpr qint32 kWide = 40000; // a paper no caption runs off
constexpr double kMargins = 720;

struct CaptionRow {
    const char* name;
    qint32 pageWidth;
    bool bothStyles;
    bool readingAids; ///< verniers, numbers both ways and a printer scale: the longest caption
    int lines;
    double left;
    double verniersLower; ///< how much lower the vernier rows stand below a caption of three lines
};

Page printed(const CaptionRow& row, qint32 pageWidth)
{
    SettingsModel model;
    model.setText(SizeText::Azimuth, QStringLiteral("60"));
    model.setOption(Option::Azmm, true);
    model.setCheck(Check::WB, row.bothStyles ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    ScriptedJobHost host(model, pageWidth);
    host.setMetrics(std::make_shared<FontTextMetrics>());
    if (row.readingAids) {
        model.setCheck(Check::Verniers, SettingsModel::kChecked);
        model.setCheck(Check::BothWays, SettingsModel::kChecked);
        model.setSlider(Slider::CircleWidth, 1, 200); // heights of three digits
        host.setFactors(ScaleFactors { 1.0039, 0.9981 });
    }
    host.run(AzimuthPrintJob(model));
    EXPECT_EQ(model.status().text(), QString()) << model.status().text().toStdString();
    return host.deliveredPage();
}

class CaptionOnThePaper : public ::testing::TestWithParam<CaptionRow> { };

} // namespace

TEST_P(CaptionOnThePaper, StaysWithinThePrintableWidthAndMovesNothingElse)
{
    const CaptionRow& row = GetParam();
    const Page page = printed(row, row.pageWidth);
    const Page onWidePaper = printed(row, kWide);
    const std::vector<PageOp> lines = captionLines(page);
    const std::vector<PageOp> oneLine = captionLines(onWidePaper);
    ASSERT_EQ(oneLine.size(), 1u);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(row.lines)) << captionText(page).toStdString();
    EXPECT_EQ(captionText(page), oneLine.front().text) << "every word, in order";

    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    const double lineHeight = ink.lineHeight(lines.front().fontName, 10);
    const double right = (row.pageWidth - kMargins) / (row.readingAids ? 1.0039 : 1.0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].x, row.left);
        EXPECT_NEAR(lines[i].y, oneLine.front().y + double(i) * lineHeight, 0.01);
        EXPECT_LE(ink.right(lines[i]), right) << lines[i].text.toStdString();
    }
    // The same page as on paper wide enough for one line, the caption's further lines aside; they
    // end above the next row. Only the vernier rows under a third line go lower.
    ASSERT_EQ(page.ops.size(), onWidePaper.ops.size() + lines.size() - 1);
    std::size_t wide = 0;
    for (std::size_t i = 0; i < page.ops.size(); ++i) {
        const bool furtherLine = std::any_of(lines.begin() + 1, lines.end(),
            [&](const PageOp& line) { return line.y == page.ops[i].y && line.text == page.ops[i].text; });
        if (furtherLine)
            continue;
        const PageOp& op = onWidePaper.ops[wide++];
        const bool below = op.y > lines.front().y;
        EXPECT_EQ(page.ops[i].x, op.x) << i;
        EXPECT_EQ(page.ops[i].y, op.y + (below ? row.verniersLower : 0)) << i;
        if (below) {
            EXPECT_GE(ink.top(page.ops[i]), ink.bottom(lines.back())) << page.ops[i].text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionOnThePaper,
    ::testing::Values(CaptionRow { "ShortOnA4Landscape", kA4Landscape, false, false, 1, 2200, 0 },
        CaptionRow { "LongOnA4Portrait", kA4, false, false, 2, 2200, 0 },
        CaptionRow { "BothStylesBesideTheSecondCard", kA4, true, false, 2, 2700, 0 },
        // Three lines: 670 twips from the caption's top, where the vernier's row leaves 500.
        CaptionRow { "LongestOnA4Portrait", kA4, true, true, 3, 2700, 171 }),
    [](const ::testing::TestParamInfo<CaptionRow>& row) { return std::string(row.param.name); });
