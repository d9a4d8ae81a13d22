#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/SettingsModel.h"
#include "support/PdfReadback.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 0.5; // twips; float noise of the read-back, far below a misplaced mark
constexpr double kSixtyMm = 60 * 3.14 * 56.7;

/// A 60 mm azimuth or RA page, black on white in the bottom layout, printed to a PDF and read back.
pdfreadback::PdfPage printed(bool ra)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("azimuth.pdf"));
    PdfFilePrinter printer;
    printer.setOutputFileName(file);
    SettingsModel model;
    model.setText(SizeText::Azimuth, QStringLiteral("60"));
    model.setOption(Option::Azmm, true);
    model.setOption(ra ? Option::Ra : Option::Az, true);
    model.setCheckTop(1, SettingsModel::kUnchecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AzimuthPrintJob(model));
    EXPECT_EQ(model.status().text(), QString());
    return pdfreadback::readPdfPage(file);
}

std::vector<pdfreadback::Segment> longMarks(const pdfreadback::PdfPage& page)
{
    std::vector<pdfreadback::Segment> marks;
    for (const auto& s : page.segments) {
        if (s.y1 < 1500 && std::abs(s.y2 - s.y1 - 250) < kTolerance)
            marks.push_back(s);
    }
    return marks;
}

} // namespace

TEST(AzimuthPdf, AzimuthPageReadsBackAtItsPlaces)
{
    const pdfreadback::PdfPage page = printed(false);
    const auto marks = longMarks(page);
    ASSERT_EQ(marks.size(), 37u);
    // Bottom layout: numbers at the row top, marks ending on row top + text height (223) + 250.
    EXPECT_NEAR(marks.front().y2, 750 + 223 + 250, kTolerance);
    EXPECT_NEAR(marks.back().x1, 100 + kSixtyMm, kTolerance);
    ASSERT_GE(page.texts.size(), 40u);
    EXPECT_EQ(page.texts[2].text, QStringLiteral(" 10 "));
    EXPECT_NEAR(page.texts[2].left, 236, kTolerance);
    EXPECT_NEAR(page.texts[2].top, 750, kTolerance);
    EXPECT_EQ(page.texts[37].text, QStringLiteral(" 0 "));
    EXPECT_NEAR(page.texts[37].left, 10646, kTolerance);
    EXPECT_EQ(page.texts[38].text, QStringLiteral("Az"));
    EXPECT_NEAR(page.texts[38].left, 1120, kTolerance);
    EXPECT_NEAR(page.texts[38].top, 1500, kTolerance);
}

TEST(AzimuthPdf, RaPageReadsBackAtItsPlaces)
{
    const pdfreadback::PdfPage page = printed(true);
    const auto marks = longMarks(page);
    ASSERT_EQ(marks.size(), 25u);
    EXPECT_NEAR(marks[1].x1 - marks[0].x1, 445.095, kTolerance);
    EXPECT_NEAR(marks.back().x1, 100 + kSixtyMm, kTolerance);
    ASSERT_GE(page.texts.size(), 28u);
    EXPECT_EQ(page.texts[25].text, QStringLiteral(" 0 "));
    EXPECT_NEAR(page.texts[25].left, 10631, kTolerance);
    EXPECT_EQ(page.texts[26].text, QStringLiteral("RA"));
    EXPECT_TRUE(page.texts[27].text.startsWith(QStringLiteral("RA Circle length = 188.4 mm, Line (10min")));
    EXPECT_NEAR(page.texts[27].top, 1750, kTolerance);
}
