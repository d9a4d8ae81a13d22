// Every glyph and stroke of every sheet inside the printable area, over papers, orientations and
// jobs in pieces with every option; and sheets that take what fits before a new one is begun.
#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/sheets/InkExtents.h"
#include "support/ScriptedPrinters.h"

#include <gtest/gtest.h>

namespace {

struct AreaRow {
    const char* name;
    QPageSize::PageSizeId paper;
    PageOrientation orientation;
    bool ring; ///< a 450 mm ring in sectors; otherwise the 942 mm strip of a 300 mm circle in segments
};

class PrintableArea : public ::testing::TestWithParam<AreaRow> { };

std::vector<Page> printSplit(SettingsModel& model, ScriptedPrinter& printer, const QString& size, bool ring)
{
    model.setText(SizeText::Azimuth, size);
    model.setOption(Option::Azmm, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    for (Check check : { Check::SplitLong, Check::Verniers, Check::BothWays, Check::ScaleCheck })
        model.setCheck(check, SettingsModel::kChecked);
    model.setCheck(ring ? Check::Rings : Check::ClosingTab, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AzimuthPrintJob(model));
    return printer.documents().empty() ? std::vector<Page> {} : printer.documents().back();
}

TEST_P(PrintableArea, EveryGlyphAndStrokeOfEverySheetIsInside)
{
    const AreaRow& row = GetParam();
    SettingsModel model;
    ScriptedPrinter printer { QStringLiteral("Laser") };
    printer.setPaper(QPageSize(row.paper));
    printer.setOrientation(row.orientation);
    const std::vector<Page> sheets
        = printSplit(model, printer, QString::fromLatin1(row.ring ? "450" : "300"), row.ring);
    ASSERT_EQ(model.status().text(), QString()) << model.status().text().toStdString();
    ASSERT_GE(sheets.size(), 2u);
    const PaperFormat paper = printer.paper();
    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    constexpr double kNoise = 0.5;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        for (const PageOp& op : sheets[s].ops) {
            const QRectF box = ink.bounds(op);
            SCOPED_TRACE(::testing::Message() << "sheet " << s + 1 << " " << op.text.toStdString());
            EXPECT_GE(box.left(), -kNoise);
            EXPECT_GE(box.top(), -kNoise);
            EXPECT_LE(box.right(), paper.printableWidth() + kNoise);
            EXPECT_LE(box.bottom(), paper.printableHeight() + kNoise);
        }
    }
}

constexpr auto kPortrait = PageOrientation::Portrait;
constexpr auto kLandscape = PageOrientation::Landscape;

INSTANTIATE_TEST_SUITE_P(Papers, PrintableArea,
    ::testing::Values(AreaRow { "A5StripPortrait", QPageSize::A5, kPortrait, false },
        AreaRow { "A5StripLandscape", QPageSize::A5, kLandscape, false },
        AreaRow { "A4StripPortrait", QPageSize::A4, kPortrait, false },
        AreaRow { "A4StripLandscape", QPageSize::A4, kLandscape, false },
        AreaRow { "LetterStripPortrait", QPageSize::Letter, kPortrait, false },
        AreaRow { "LetterStripLandscape", QPageSize::Letter, kLandscape, false },
        AreaRow { "A3StripPortrait", QPageSize::A3, kPortrait, false },
        AreaRow { "A3StripLandscape", QPageSize::A3, kLandscape, false },
        AreaRow { "A5RingPortrait", QPageSize::A5, kPortrait, true },
        AreaRow { "A5RingLandscape", QPageSize::A5, kLandscape, true },
        AreaRow { "A4RingPortrait", QPageSize::A4, kPortrait, true },
        AreaRow { "A4RingLandscape", QPageSize::A4, kLandscape, true },
        AreaRow { "LetterRingPortrait", QPageSize::Letter, kPortrait, true },
        AreaRow { "LetterRingLandscape", QPageSize::Letter, kLandscape, true },
        AreaRow { "A3RingPortrait", QPageSize::A3, kPortrait, true },
        AreaRow { "A3RingLandscape", QPageSize::A3, kLandscape, true }),
    [](const auto& row) { return std::string(row.param.name); });

// The scale check used to begin a fifth sheet of its own while the fourth held one sector.
TEST(SheetPacking, A500MillimetreRingWithTheScaleCheckTakesFourSheetsOfA4)
{
    SettingsModel model;
    ScriptedPrinter printer { QStringLiteral("Laser") };
    model.setText(SizeText::Azimuth, QStringLiteral("500"));
    model.setOption(Option::Azmm, true);
    for (Check check : { Check::SplitLong, Check::Rings, Check::ScaleCheck })
        model.setCheck(check, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AzimuthPrintJob(model));
    ASSERT_EQ(model.status().text(), QString());
    ASSERT_EQ(printer.documents().size(), 1u);
    const std::vector<Page>& sheets = printer.documents().back();
    ASSERT_EQ(sheets.size(), 4u);
    const auto holds = [](const Page& sheet, const QString& text) {
        return std::any_of(
            sheet.ops.begin(), sheet.ops.end(), [&](const PageOp& op) { return op.text == text; });
    };
    EXPECT_TRUE(holds(sheets[3], QStringLiteral("100 mm")));
    EXPECT_TRUE(holds(sheets[3], QStringLiteral("50 mm")));
}

} // namespace
