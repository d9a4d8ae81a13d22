// A printer with a kept scale correction prints every page stretched by it, read back from the PDF.
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/QtSettingsStore.h"
#include "support/NoFilePrompts.h"
#include "support/PdfReadback.h"
#include "support/ScriptedPrinters.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 0.5;
constexpr double kSixtyMmDiameter = 60 * 3.14 * 56.7; // 10682.28 twips

class NamedPdfPrinter : public PdfFilePrinter {
public:
    QString deviceName() const override { return QStringLiteral("PDF"); }
};

class OnePdfPrinter : public PrinterSystem {
public:
    std::vector<Printer*> printers() override { return { &pdf }; }
    Printer& current() override { return pdf; }
    void setCurrent(Printer&) override { }

    NamedPdfPrinter pdf;
};

struct FactorCase {
    const char* name;
    PageOrientation orientation;
    double across; ///< the factor along the strip
    double down;
    const char* captionEnd;
};

class CorrectedPrinter : public ::testing::TestWithParam<FactorCase> { };

} // namespace

TEST_P(CorrectedPrinter, StretchesThePageAlongEachPaperAxis)
{
    const FactorCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath(QStringLiteral("Vennaros.ini"));
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Defaults]\nAlt%20Tx=60\nAlt%20mm=True\nAlt%20in=False\n[Printer%20Scale]\nPDF=1.01 1\n");
    }
    const QString pdf = dir.filePath(QStringLiteral("strip.pdf"));
    OnePdfPrinter printers;
    ScriptedPrintDialog dialog;
    dialog.choose(QStringLiteral("PDF"), 1, c.orientation, Duplex::Simplex, pdf);
    NoFilePrompts prompts;
    SettingsModel model;
    QtSettingsStore store(ini);
    frmMain window(model);
    WindowController controller(window, { store, printers, dialog, prompts });
    controller.start();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("PrintButton")), Qt::LeftButton);
    ASSERT_EQ(model.status().text(), QString());

    const pdfreadback::PdfPage page
        = pdfreadback::readPdfPage(pdf, PaperFormat::kMarginTwips, PaperFormat::kMarginTwips);
    std::vector<pdfreadback::Segment> ten;
    for (const auto& s : page.segments) {
        if (std::abs(s.y2 - s.y1 - 250 * c.down) < kTolerance && s.y1 < 1200) // the strip, not the card
            ten.push_back(s);
    }
    ASSERT_EQ(ten.size(), 37u);
    EXPECT_NEAR(ten.front().x1, 100 * c.across, kTolerance);
    EXPECT_NEAR(ten.back().x1 - ten.front().x1, c.across * kSixtyMmDiameter, kTolerance);
    EXPECT_NEAR(ten.front().y1, 750 * c.down, kTolerance);
    ASSERT_FALSE(page.texts.empty());
    EXPECT_TRUE(page.texts.back().text.endsWith(QString::fromLatin1(c.captionEnd)))
        << page.texts.back().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Orientations, CorrectedPrinter,
    ::testing::Values(
        FactorCase { "Portrait", PageOrientation::Portrait, 1.01, 1, "Font size = 10, Printer scale = 1.01" },
        FactorCase { "Landscape", PageOrientation::Landscape, 1, 1.01, "Font size = 10, Printer scale = 1" }),
    [](const ::testing::TestParamInfo<FactorCase>& row) { return std::string(row.param.name); });
