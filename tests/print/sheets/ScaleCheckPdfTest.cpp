#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "support/PdfReadback.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 0.5;

} // namespace

TEST(ScaleCheckPdf, BarsReadBackAtTheirNominalLengths)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PdfFilePrinter printer;
    printer.setOutputFileName(dir.filePath(QStringLiteral("check.pdf")));
    SettingsModel model;
    model.setText(SizeText::Altitude, QStringLiteral("60"));
    model.setOption(Option::Altmm, true);
    model.setCheck(Check::ScaleCheck, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AltitudePrintJob(model));
    ASSERT_EQ(model.status().text(), QString());

    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(dir.filePath(QStringLiteral("check.pdf")));
    int across = 0;
    int down = 0;
    for (const auto& s : page.segments) {
        across += std::abs(s.y2 - s.y1) < 0.01 && std::abs(std::abs(s.x2 - s.x1) - 5670) < kTolerance;
        down += std::abs(s.x2 - s.x1) < 0.01 && std::abs(std::abs(s.y2 - s.y1) - 2835) < kTolerance;
    }
    EXPECT_EQ(across, 1);
    EXPECT_EQ(down, 1);
}
