// The paper chosen in the print dialog, as a user meets it: the page-width check, the file the PDF
// printer writes and the next dialog all follow it. No print server: the PDF printer is the only
// printer, as on a machine without queues.
#include "WindowUnderTest.h"
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

TEST_F(PaperEndToEnd, TheWindowAsksThePrintSystemOnlyOnceItIsUpForItsPaperLine)
{
    int listings = 0;
    QtPrinterSystem printers([&] {
        ++listings;
        return QueueListing { { QStringLiteral("Laser") }, QStringLiteral("Laser") };
    });
    Window w(file("Vennaros.ini"), printers);
    EXPECT_EQ(listings, 0);
    w.window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(listings, 1);

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
    explicit ScriptedPageSetup(PaperChoice answer)
        : m_answer(std::move(answer))
    { }
    std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) override
    {
        opened.emplace_back(deviceName, current.text());
        return m_answer;
    }
    std::vector<std::pair<QString, QString>> opened;

private:
    PaperChoice m_answer;
};

} // namespace

TEST_F(PaperEndToEnd, PageSetupLandscapeIsThePreviewsAndThePrintsAndStaysAfterARestart)
{
    ScriptedPageSetup setup(PaperChoice { QPageSize(QPageSize::A4), PageOrientation::Landscape });
    const QString pdf = file("circles.pdf");
    {
        QtPrinterSystem printers([] { return QueueListing {}; });
        printers.pdfPrinter().setPaper(QPageSize(QPageSize::A4));
        Window w(file("Vennaros.ini"), printers);
        w.controller.setPageSetupBackend(setup);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.child<QLabel>(QStringLiteral("PaperLabel"))->text(), QStringLiteral("A4, portrait"));
        w.click(QStringLiteral("PreviewButton")); // the 3-inch default
        EXPECT_EQ(w.status(), "Altitude max. length is 8.3 inches for current page width.");

        w.click(QStringLiteral("PageSetupButton"));
        ASSERT_EQ(setup.opened.size(), 1u);
        EXPECT_EQ(setup.opened[0], std::make_pair(kPdf, QStringLiteral("A4, portrait")));
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
