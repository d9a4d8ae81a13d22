#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/render/PageRenderer.h"
#include "settings/SettingsModel.h"
#include "support/PdfReadback.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The read-back gives positions within float noise; half a twip still catches any misplaced mark.
constexpr double kTolerance = 0.5;
} // namespace

TEST(AltitudePdf, PrintedPageReadsBackAtItsPlaces)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("altitude.pdf"));
    PdfFilePrinter printer;
    printer.setOrientation(PageOrientation::Landscape);
    printer.setOutputFileName(file);

    SettingsModel model; // 1 degree, set 1: widths 2-3-3, CircleWidth 100, 10 pt, scale on top
    model.setText(SizeText::Altitude, QStringLiteral("80"));
    model.setOption(Option::Altmm, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AltitudePrintJob(model));
    ASSERT_EQ(model.status().text(), QString());

    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(file);
    EXPECT_EQ(page.pageCount, 1);

    // The ten-degree marks of the black-on-white strip: 37 from end to end, 3 dots wide.
    std::vector<pdfreadback::Segment> ten;
    for (const auto& s : page.segments) {
        if (s.y1 < 1000 && std::abs(s.y2 - s.y1 - 250) < kTolerance)
            ten.push_back(s);
    }
    ASSERT_EQ(ten.size(), 37u);
    EXPECT_NEAR(ten.front().x1, 100, kTolerance);
    EXPECT_NEAR(ten.back().x1, 100 + 14243.04, kTolerance);
    EXPECT_NEAR(ten.front().y1, 750, kTolerance);
    EXPECT_NEAR(ten.front().width, 3 * kTwipsPerDot, 0.05);

    ASSERT_EQ(page.boxes.size(), 3u);
    EXPECT_NEAR(page.boxes[0].left, 100, kTolerance);
    EXPECT_NEAR(page.boxes[0].top, 1750, kTolerance);
    EXPECT_NEAR(page.boxes[0].right, 14343.04, kTolerance);
    EXPECT_NEAR(page.boxes[0].bottom, 2350, kTolerance);
    EXPECT_EQ(page.boxes[0].fillColour, 0);
    EXPECT_NEAR(page.boxes[2].left, 2000, kTolerance);
    EXPECT_EQ(page.boxes[2].fillColour, 0xFFFFFF);

    // Numbers with the real font: their left edges are the blank before the digits.
    const auto number = [&page](std::size_t i) { return page.texts.at(i); };
    EXPECT_EQ(number(1).text, QStringLiteral(" 0 "));
    EXPECT_NEAR(number(1).left, 64, kTolerance);
    EXPECT_NEAR(number(1).top, 1000, kTolerance);
    EXPECT_EQ(number(19).text, QStringLiteral(" 90 "));
    EXPECT_NEAR(number(19).left, 7060, kTolerance);
    EXPECT_EQ(number(37).text, QStringLiteral(" 9 "));
    EXPECT_NEAR(number(37).left, 14207, kTolerance);
    EXPECT_EQ(number(38).colour, 0xFFFFFF); // the white-on-black strip's numbers
    EXPECT_NEAR(number(38).top, 2000, kTolerance);

    const auto& caption = page.texts.back();
    EXPECT_TRUE(caption.text.startsWith(
        QStringLiteral("Altitude Circle length = 251.2 mm, Smallest mark = 1\u00B0")));
    EXPECT_NEAR(caption.left, 2700, kTolerance); // clear of the second card
    EXPECT_NEAR(caption.top, 3000, kTolerance);
}
