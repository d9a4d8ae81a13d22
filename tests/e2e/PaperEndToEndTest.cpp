// The paper chosen in the print dialog, as a user meets it: the page-width check, the file the PDF
// printer writes and the next dialog all follow it. No print server: the PDF printer is the only
// printer, as on a machine without queues.
#include "WindowUnderTest.h"
#include "app/preview/PreviewWindow.h"
#include "app/printer/PageSetupBackend.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/StatusLine.h"
#include "support/PdfReadback.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kPdf = QString::fromLatin1(PdfFilePrinter::kDeviceName);

/// The window, its status line's text as the comparisons want it.
struct Window : e2e::WindowUnderTest {
    using WindowUnderTest::WindowUnderTest;
    std::string status() const { return model.status().text().toStdString(); }
};

class PaperEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString file(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(PaperEndToEnd, ThePaperChosenInTheDialogIsTheWidthThePageAndTheNextDialogs)
{
    QtPrinterSystem printers;
    Window w(file("Vennaros.ini"), printers);
    const QString pdf = file("circles.pdf");

    w.click(QStringLiteral("AzmmOption"));
    w.type(QStringLiteral("AzText"), QStringLiteral("80"));
    w.dialog.choose(kPdf, 1, PageOrientation::Portrait, Duplex::Simplex, pdf);
    w.dialog.answerPaper(QPageSize(QPageSize::Letter));
    w.click(QStringLiteral("PrintAzButton"));
    EXPECT_EQ(w.status(), "Azimuth max. length is 215.9 mm for current page width.");
    EXPECT_FALSE(QFile::exists(pdf));

    // The default 3-inch altitude strip is too long for A4 and Letter in portrait, not for A3.
    w.dialog.choose(kPdf, 1, PageOrientation::Portrait, Duplex::Simplex, pdf);
    w.dialog.answerPaper(QPageSize(QPageSize::A3));
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(w.status(), "");
    EXPECT_EQ(w.dialog.requests().back().paperSize, QPageSize(QPageSize::Letter))
        << "opened on the last choice";
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(pdf);
    EXPECT_NEAR(page.paperWidth, 16838, 10);
    EXPECT_NEAR(page.paperHeight, 23811, 10);
    EXPECT_EQ(page.printScaling, QStringLiteral("None"));
    EXPECT_EQ(page.title, QStringLiteral("Vennaros setting circles"));

    w.dialog.cancel();
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(w.dialog.requests().back().paperSize, QPageSize(QPageSize::A3));
}

TEST_F(PaperEndToEnd, TheWindowAsksThePrintSystemOnlyOnceItIsPaintedForItsPaperLine)
{
    int listings = 0;
    bool exposedWhenAsked = false;
    QWidget* shown = nullptr;
    QtPrinterSystem printers([&] {
        ++listings;
        exposedWhenAsked
            = shown != nullptr && shown->windowHandle() != nullptr && shown->windowHandle()->isExposed();
        return QueueListing { { QStringLiteral("Laser") }, QStringLiteral("Laser") };
    });
    Window w(file("Vennaros.ini"), printers);
    shown = &w.window;
    EXPECT_EQ(listings, 0);
    w.window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return listings > 0; }, 1000));
    EXPECT_EQ(listings, 1);
    EXPECT_TRUE(exposedWhenAsked) << "asked before the window could be painted";
    EXPECT_EQ(w.child<QLabel>(QStringLiteral("PaperLabel"))->text(), QStringLiteral("paper unknown"))
        << "a queue the server does not answer for";

    w.dialog.cancel();
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(w.dialog.requests().back().deviceName, QStringLiteral("Laser")) << "the system's default, then";
}

TEST_F(PaperEndToEnd, APdfFileThatIsAPipeIsAPrintFunctionErrorAndNothingWaits)
{
    QtPrinterSystem printers;
    Window w(file("Vennaros.ini"), printers);
    const QString pipe = file("pipe.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    w.click(QStringLiteral("AltmmOption"));
    w.type(QStringLiteral("DECLtext"), QStringLiteral("60"));
    w.dialog.choose(kPdf, 1, PageOrientation::Portrait, Duplex::Simplex, pipe);
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(w.status(), "Print function error.");
    EXPECT_EQ(w.model.status().color(), StatusLine::kErrorColor);
}

TEST_F(PaperEndToEnd, APrinterThatFailsBeforePrintingIsAPrintFunctionErrorNotABadEntry)
{
    ScriptedPrinterSystem printers;
    printers.add(QStringLiteral("Laser")).setFailing(ScriptedPrinter::Property::Surface);
    Window w(file("Vennaros.ini"), printers);
    w.dialog.choose(QStringLiteral("Laser"));
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(w.status(), "Print function error.");
    EXPECT_EQ(w.model.status().color(), StatusLine::kErrorColor);
}

namespace {

/// The page setup dialog, answered as a person would: with the paper chosen, every time.
class ScriptedPageSetup : public PageSetupBackend {
public:
    explicit ScriptedPageSetup(PaperChoice first)
        : answer(std::move(first))
    { }
    std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) override
    {
        opened.emplace_back(deviceName, current.text());
        return answer;
    }
    std::vector<std::pair<QString, QString>> opened;
    PaperChoice answer;
};

const PaperChoice kA4Portrait { QPageSize(QPageSize::A4), PageOrientation::Portrait };
const PaperChoice kA4Landscape { QPageSize(QPageSize::A4), PageOrientation::Landscape };
const std::string kTooLongForA4 = "Altitude max. length is 8.3 inches for current page width.";

/// A fresh store and the built-in PDF printer on A4, its page setup scripted.
struct FreshPdfPrinter {
    explicit FreshPdfPrinter(const QString& ini)
        : printers([] { return QueueListing {}; })
        , w((printers.pdfPrinter().setPaper(QPageSize(QPageSize::A4)), ini), printers)
    {
        w.controller.setPageSetupBackend(setup);
        QCoreApplication::processEvents();
    }
    QString paperLine() { return w.child<QLabel>(QStringLiteral("PaperLabel"))->text(); }

    QtPrinterSystem printers;
    ScriptedPageSetup setup { kA4Landscape };
    Window w;
};

} // namespace

// A new user's first press of "Print Alt.": the default 3-inch strip does not fit A4 across, so the
// page is turned for it, in the preview and in the print dialog, until the user chooses a paper.
TEST_F(PaperEndToEnd, TheDefaultStripPrintsTurnedToFitUntilThePaperIsChosen)
{
    const QString pdf = file("circles.pdf");
    FreshPdfPrinter run(file("Vennaros.ini"));
    Window& w = run.w;
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, landscape, turned to fit"))
        << "from the start, for the strip Print Alt. prints";

    w.click(QStringLiteral("PreviewButton"));
    EXPECT_EQ(w.status(), "");
    auto* preview = w.window.findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr);
    const QImage sheet = preview->sheetImage(0, 50);
    EXPECT_GT(sheet.width(), sheet.height()) << "the preview shows the sheet turned";
    EXPECT_EQ(preview->findChild<QLabel*>(QStringLiteral("PreviewStatus"))->text(),
        QStringLiteral("Strip length 239.3 mm (9.42 in.), ring diameter 76.2 mm (3.00 in.)"));
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, landscape, turned to fit"));

    w.dialog.printAsOpened(kPdf, pdf);
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(w.status(), "");
    ASSERT_FALSE(w.dialog.requests().empty());
    EXPECT_EQ(w.dialog.requests().back().orientation, PageOrientation::Landscape) << "the dialog opens on it";
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(pdf);
    EXPECT_NEAR(page.paperWidth, 16838, 10);
    EXPECT_NEAR(page.paperHeight, 11906, 10);
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, landscape, turned to fit"));
    EXPECT_FALSE(QSettings(file("Vennaros.ini"), QSettings::IniFormat)
                     .contains(QStringLiteral("Printer Paper/") + kPdf))
        << "printing as proposed chooses nothing";

    // A 60 mm strip fits either way: the printer's own orientation again.
    w.click(QStringLiteral("AltmmOption"));
    w.type(QStringLiteral("DECLtext"), QStringLiteral("60"));
    w.click(QStringLiteral("PreviewButton"));
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, portrait"));
    w.click(QStringLiteral("AltinOption"));
    w.type(QStringLiteral("DECLtext"), QStringLiteral("3"));

    // Chosen in Page Setup, portrait is kept and the strip is refused on it.
    run.setup.answer = kA4Portrait;
    w.click(QStringLiteral("PageSetupButton"));
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, portrait"));
    w.dialog.printAsOpened(kPdf, pdf);
    w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(w.status(), kTooLongForA4);
    EXPECT_EQ(w.dialog.requests().back().orientation, PageOrientation::Portrait);
    EXPECT_EQ(w.model.status().color(), StatusLine::kErrorColor);

    // Turned back, the refusal no longer holds and leaves the status line.
    run.setup.answer = kA4Landscape;
    w.click(QStringLiteral("PageSetupButton"));
    EXPECT_EQ(w.status(), "");
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, landscape"));
}

// Chosen in the print dialog, an orientation is the user's as much as one from Page Setup.
TEST_F(PaperEndToEnd, PortraitChosenInThePrintDialogIsKeptAndRefused)
{
    FreshPdfPrinter run(file("Vennaros.ini"));
    run.w.dialog.choose(kPdf, 1, PageOrientation::Portrait, Duplex::Simplex, file("circles.pdf"));
    run.w.click(QStringLiteral("PrintButton"));
    EXPECT_EQ(run.w.dialog.requests().back().orientation, PageOrientation::Landscape);
    EXPECT_EQ(run.w.status(), kTooLongForA4);
    EXPECT_EQ(run.paperLine(), QStringLiteral("A4, portrait"));
    EXPECT_EQ(QSettings(file("Vennaros.ini"), QSettings::IniFormat)
                  .value(QStringLiteral("Printer Paper/") + kPdf)
                  .toString(),
        QStringLiteral("A4, portrait"));
    run.w.click(QStringLiteral("PreviewButton"));
    EXPECT_EQ(run.w.status(), kTooLongForA4) << "not turned once chosen";
}

namespace {

struct AnsweredRow {
    const char* name;
    std::function<void(FreshPdfPrinter&)> after; ///< what the user does after the refusal
    bool cleared;
};

class RefusalAnswered : public PaperEndToEnd, public ::testing::WithParamInterface<AnsweredRow> { };

} // namespace

// A refusal leaves the status line when the user changes what it was about, and only then.
TEST_P(RefusalAnswered, ClearsTheRefusalOrNot)
{
    FreshPdfPrinter run(file("Vennaros.ini"));
    run.setup.answer = kA4Portrait;
    run.w.click(QStringLiteral("PageSetupButton"));
    run.w.click(QStringLiteral("PreviewButton"));
    ASSERT_EQ(run.w.status(), kTooLongForA4);
    GetParam().after(run);
    EXPECT_EQ(run.w.status(), GetParam().cleared ? "" : kTooLongForA4);
}

INSTANTIATE_TEST_SUITE_P(Changes, RefusalAnswered,
    ::testing::Values(AnsweredRow { "PaperTurned",
                          [](FreshPdfPrinter& run) {
                              run.setup.answer = kA4Landscape;
                              run.w.click(QStringLiteral("PageSetupButton"));
                          },
                          true },
        AnsweredRow { "PaperLarger",
            [](FreshPdfPrinter& run) {
                run.setup.answer = PaperChoice { QPageSize(QPageSize::A3), PageOrientation::Portrait };
                run.w.click(QStringLiteral("PageSetupButton"));
            },
            true },
        AnsweredRow { "SizeTyped",
            [](FreshPdfPrinter& run) { run.w.type(QStringLiteral("DECLtext"), QStringLiteral("2")); }, true },
        AnsweredRow { "PageSetupUnchanged",
            [](FreshPdfPrinter& run) { run.w.click(QStringLiteral("PageSetupButton")); }, false },
        AnsweredRow { "ZeroAtTyped",
            [](FreshPdfPrinter& run) { run.w.type(QStringLiteral("ZeroAtText"), QStringLiteral("10")); },
            false },
        AnsweredRow { "OtherSizeBoxTyped",
            [](FreshPdfPrinter& run) { run.w.type(QStringLiteral("AzText"), QStringLiteral("4")); }, false }),
    [](const auto& row) { return std::string(row.param.name); });

// A printer's fault is not the user's to answer with a paper: it stays.
TEST_F(PaperEndToEnd, APrintFunctionErrorStaysWhenThePaperChanges)
{
    FreshPdfPrinter run(file("Vennaros.ini"));
    const QString pipe = file("pipe.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    run.w.click(QStringLiteral("AltmmOption"));
    run.w.type(QStringLiteral("DECLtext"), QStringLiteral("60"));
    run.w.dialog.printAsOpened(kPdf, pipe);
    run.w.click(QStringLiteral("PrintButton"));
    ASSERT_EQ(run.w.status(), "Print function error.");
    run.setup.answer = kA4Landscape;
    run.w.click(QStringLiteral("PageSetupButton"));
    EXPECT_EQ(run.w.status(), "Print function error.");
}

TEST_F(PaperEndToEnd, PageSetupLandscapeIsThePreviewsAndThePrintsAndStaysAfterARestart)
{
    ScriptedPageSetup setup(kA4Landscape);
    const QString pdf = file("circles.pdf");
    {
        QtPrinterSystem printers([] { return QueueListing {}; });
        printers.pdfPrinter().setPaper(QPageSize(QPageSize::A4));
        Window w(file("Vennaros.ini"), printers);
        w.controller.setPageSetupBackend(setup);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.child<QLabel>(QStringLiteral("PaperLabel"))->text(),
            QStringLiteral("A4, landscape, turned to fit"));

        w.click(QStringLiteral("PageSetupButton"));
        ASSERT_EQ(setup.opened.size(), 1u);
        EXPECT_EQ(setup.opened[0], std::make_pair(kPdf, QStringLiteral("A4, landscape")))
            << "opened as the line says";
        EXPECT_EQ(w.child<QLabel>(QStringLiteral("PaperLabel"))->text(), QStringLiteral("A4, landscape"));
        w.click(QStringLiteral("PreviewButton"));
        EXPECT_EQ(w.status(), "");

        w.dialog.choose(kPdf, 1, PageOrientation::Landscape, Duplex::Simplex, pdf);
        w.click(QStringLiteral("PrintButton"));
        EXPECT_EQ(w.status(), "");
        EXPECT_EQ(w.dialog.requests().back().orientation, PageOrientation::Landscape) << "opened on it";
        EXPECT_EQ(w.dialog.requests().back().paperSize, QPageSize(QPageSize::A4));
    }
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(pdf);
    EXPECT_NEAR(page.paperWidth, 16838, 10);

    // The next start: the same printer has the same paper, before anything is printed.
    QtPrinterSystem printers([] { return QueueListing {}; });
    Window w(file("Vennaros.ini"), printers);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.child<QLabel>(QStringLiteral("PaperLabel"))->text(), QStringLiteral("A4, landscape"));
    EXPECT_EQ(printers.current().paper().width, 16838);
    QSettings ini(file("Vennaros.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Printer Paper/") + kPdf).toString(), QStringLiteral("A4, landscape"));
}
