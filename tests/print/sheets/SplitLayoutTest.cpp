// How the sheets take a strip that is split: segments, joints, rows and sheets, as recorded.
#include "PageQuery.h"
#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/sheets/InkExtents.h"
#include "print/sheets/StripSplitter.h"
#include "support/ScriptedPrinters.h"

#include <gtest/gtest.h>

using namespace pagequery;

namespace {

constexpr double kPrintableWidth = 11906 - 720;
constexpr double kPrintableHeight = 16838 - 720;

/// A 942 mm azimuth strip (300 mm diameter) in both styles, split over A4 portrait sheets.
struct SplitRig {
    explicit SplitRig(double factor = 1)
        : host(model, 0)
    {
        model.setText(SizeText::Azimuth, QStringLiteral("300"));
        model.setOption(Option::Azmm, true);
        model.setCheck(Check::WB, SettingsModel::kChecked);
        model.setCheck(Check::SplitLong, SettingsModel::kChecked);
        host.usePrinter(&printer);
        host.setFactors({ factor, 1 });
    }
    const std::vector<Page>& run()
    {
        host.run(AzimuthPrintJob(model));
        EXPECT_EQ(model.status().text(), QString()) << model.status().text().toStdString();
        EXPECT_EQ(printer.documents().size(), 1u);
        static const std::vector<Page> none;
        return printer.documents().empty() ? none : printer.documents().back();
    }

    SettingsModel model;
    ScriptedPrinter printer { QStringLiteral("Laser") };
    ScriptedJobHost host;
};

QStringList rangeLabels(const Page& sheet)
{
    QStringList labels;
    for (const PageOp& op : texts(sheet)) {
        if (op.text.contains(QStringLiteral("\u00B0-")))
            labels << op.text;
    }
    return labels;
}

} // namespace

TEST(StripSplitter, JointLabelsRunFromAToZAndOn)
{
    const std::pair<int, const char*> rows[] = { { 0, "A" }, { 1, "B" }, { 25, "Z" }, { 26, "AA" },
        { 27, "AB" }, { 51, "AZ" }, { 52, "BA" }, { 701, "ZZ" }, { 702, "AAA" } };
    for (const auto& [joint, label] : rows)
        EXPECT_EQ(StripSplitter::jointLabel(joint), QString::fromLatin1(label)) << joint;
}

TEST(SplitLayout, SegmentsOfTenDegreeDivisionsOverlapByOneAndFitThePrintableWidth)
{
    SplitRig rig;
    const std::vector<Page>& sheets = rig.run();
    ASSERT_EQ(sheets.size(), 2u); // the assembly map, then the strips
    const QString degree = QStringLiteral("\u00B0");
    QStringList expected;
    for (const int from : { 0, 60, 120, 180, 240 })
        expected << QString::number(from) + degree + QLatin1Char('-') + QString::number(from + 70) + degree;
    expected << QStringLiteral("300\u00B0-360\u00B0");
    EXPECT_EQ(rangeLabels(sheets[1]), expected + expected) << "both styles, segment for segment";

    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    // The caption too: it continues on further lines.
    for (const PageOp& op : sheets[1].ops) {
        EXPECT_LE(ink.right(op), kPrintableWidth) << op.text.toStdString();
        EXPECT_GE(ink.left(op), 0) << op.text.toStdString();
    }
    // The cards and caption follow the last segment of the white-on-black strip.
    const std::vector<PageOp> lines = captionLines(sheets[1]);
    ASSERT_GE(lines.size(), 2u);
    const PageOp& caption = lines.front();
    EXPECT_TRUE(caption.text.startsWith(QStringLiteral("Azimuth Circle length = 942 mm")));
    for (const PageOp& label :
        select(sheets[1], [](const PageOp& op) { return op.text.contains(QStringLiteral("\u00B0-")); }))
        EXPECT_LT(label.y, caption.y);
}

TEST(SplitLayout, WhiteOnBlackSegmentsKeepTheirEndNumbersOnBlackAndTheCutLineShows)
{
    SplitRig rig;
    const Page& sheet = rig.run().at(1);
    const auto black
        = select(sheet, [](const PageOp& op) { return op.kind == PageOp::Kind::FilledBox && op.dy == 600; });
    ASSERT_EQ(black.size(), 6u);
    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    for (std::size_t i = 0; i < black.size(); ++i) {
        const PageOp& box = black[i];
        for (const PageOp& number : select(sheet, [&](const PageOp& op) {
                 return op.kind == PageOp::Kind::Text && op.colour == kWhite && op.y > box.y
                     && op.y < box.y + 600;
             })) {
            // The strip's own ends stay as they have always been drawn.
            if (i > 0) {
                EXPECT_GE(ink.glyphLeft(number), box.x) << number.text.toStdString();
            }
            if (i + 1 < black.size()) {
                EXPECT_LE(ink.glyphRight(number), box.x + box.dx) << number.text.toStdString();
            }
        }
    }
    // Five joints: a black cut line each, white where it crosses the black box.
    const auto cuts
        = select(sheet, [](const PageOp& op) { return op.kind == PageOp::Kind::Stroke && op.dy > 600; });
    const auto whiteCuts = select(sheet, [](const PageOp& op) {
        return op.kind == PageOp::Kind::Stroke && op.colour == kWhite && op.dy == 600;
    });
    EXPECT_EQ(cuts.size(), 10u);
    EXPECT_EQ(whiteCuts.size(), 5u);
}

TEST(SplitLayout, AScaleCheckThatNoLongerFitsTakesASheetOfItsOwn)
{
    SplitRig rig;
    rig.model.setCheck(Check::ScaleCheck, SettingsModel::kChecked);
    const std::vector<Page>& sheets = rig.run();
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(text(sheets[2], QStringLiteral("100 mm")).y, 750.0);
    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    for (const Page& sheet : sheets) {
        for (const PageOp& op : sheet.ops)
            EXPECT_LE(ink.bottom(op), kPrintableHeight);
    }
}

TEST(SplitLayout, APrinterThatPrintsShortGetsShorterSegments)
{
    SplitRig rig(1.08);
    const std::vector<Page>& sheets = rig.run();
    ASSERT_FALSE(sheets.empty());
    EXPECT_EQ(sheets[0].scaleX, 1.08);
    EXPECT_EQ(rangeLabels(sheets[0]).front(), QStringLiteral("0\u00B0-60\u00B0"));
    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    const double caption = texts(sheets[0]).back().y;
    for (const PageOp& op : sheets[0].ops) {
        if (op.y != caption) {
            EXPECT_LE(ink.right(op) * 1.08, kPrintableWidth) << op.text.toStdString();
        }
    }
}

TEST(SplitLayout, AStripThatFitsIsPrintedAsDrawnWhateverTheOption)
{
    SplitRig split;
    split.model.setText(SizeText::Azimuth, QStringLiteral("60"));
    const std::vector<Page> sheets = split.run();
    SplitRig plain;
    plain.model.setText(SizeText::Azimuth, QStringLiteral("60"));
    plain.model.setCheck(Check::SplitLong, SettingsModel::kUnchecked);
    const std::vector<Page>& unsplit = plain.run();
    ASSERT_EQ(sheets.size(), 1u);
    ASSERT_EQ(unsplit.size(), 1u);
    ASSERT_EQ(sheets[0].ops.size(), unsplit[0].ops.size());
    for (std::size_t i = 0; i < sheets[0].ops.size(); ++i) {
        EXPECT_EQ(sheets[0].ops[i].x, unsplit[0].ops[i].x);
        EXPECT_EQ(sheets[0].ops[i].y, unsplit[0].ops[i].y);
    }
    EXPECT_TRUE(rangeLabels(sheets[0]).isEmpty());
}

TEST(SplitLayout, AVernierLongerThanThePrintableWidthIsSplitLikeAStrip)
{
    // 5-degree marks on a 2 m strip: a vernier of 45 degrees, 250 mm.
    SplitRig rig;
    rig.model.setText(SizeText::Azimuth, QStringLiteral("2000"));
    rig.model.setOption(Option::AzLen, true);
    rig.model.setOption(Option::FiveDeg, true);
    rig.model.setCheck(Check::WB, SettingsModel::kUnchecked);
    rig.model.setCheck(Check::Verniers, SettingsModel::kChecked);
    const std::vector<Page>& sheets = rig.run();
    QStringList vernierRanges;
    for (const Page& sheet : sheets) {
        for (const PageOp& op : texts(sheet)) {
            if (op.fontPoints == 8 && op.text.contains(u'-') && !op.text.contains(u'\u00B0'))
                vernierRanges << op.text;
        }
    }
    EXPECT_EQ(vernierRanges, (QStringList { QStringLiteral("0-7"), QStringLiteral("6-10") }));
}

TEST(SplitLayout, WithTheOptionClearALongStripIsRefusedAsBefore)
{
    SplitRig rig;
    rig.model.setCheck(Check::SplitLong, SettingsModel::kUnchecked);
    rig.host.run(AzimuthPrintJob(rig.model));
    EXPECT_EQ(
        rig.model.status().text(), QStringLiteral("Azimuth max. length is 210.0 mm for current page width."));
    EXPECT_TRUE(rig.printer.documents().empty());
}
