#include "common/RuntimeError.h"
#include "print/printers/QtPrinterSystem.h"
#include "support/PrinterRecording.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Queues that no print server knows (tests run with the server unreachable): they can be listed
// and configured, and fail only when a document is printed.
QtPrinterSystem::QueueLister queues(QStringList* names, const QString& defaultName)
{
    return [names, defaultName] { return QueueListing { *names, defaultName }; };
}

int errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(PrinterSystem, ListsTheQueuesInTheSystemsOrderThenThePdfPrinter)
{
    QStringList names { QStringLiteral("Laser"), QStringLiteral("Inkjet") };
    QtPrinterSystem system(queues(&names, QStringLiteral("Inkjet")));
    const std::vector<Printer*> printers = system.printers();
    ASSERT_EQ(printers.size(), 3u);
    EXPECT_EQ(printers[0]->deviceName(), QStringLiteral("Laser"));
    EXPECT_EQ(printers[0]->driverName(), QStringLiteral("CUPS"));
    EXPECT_EQ(printers[0]->port(), QStringLiteral("CUPS:Laser"));
    EXPECT_EQ(printers[1]->deviceName(), QStringLiteral("Inkjet"));
    EXPECT_EQ(printers[2], &system.pdfPrinter());
    EXPECT_EQ(printers[2]->deviceName(), QStringLiteral("Print to File (PDF)"));
    EXPECT_EQ(printers[2]->driverName(), QStringLiteral("PDF"));
    EXPECT_EQ(printers[2]->port(), QStringLiteral("FILE:"));
    EXPECT_EQ(&system.current(), printers[1]) << "the system's default starts current";
}

TEST(PrinterSystem, StartsOnThePdfPrinterOrTheFirstQueueWithoutADefault)
{
    QStringList none;
    QtPrinterSystem empty(queues(&none, QString()));
    EXPECT_EQ(&empty.current(), &empty.pdfPrinter());
    EXPECT_EQ(empty.printers().size(), 1u);

    QStringList names { QStringLiteral("Laser"), QStringLiteral("Inkjet") };
    QtPrinterSystem noDefault(queues(&names, QStringLiteral("Gone")));
    EXPECT_EQ(noDefault.current().deviceName(), QStringLiteral("Laser"));

    // The machine's own print server is unreachable in tests: the PDF printer is always there.
    QtPrinterSystem machine;
    EXPECT_EQ(machine.printers().back(), &machine.pdfPrinter());
}

TEST(PrinterSystem, TheCurrentPrinterStaysCurrentWhileQueuesComeAndGo)
{
    QStringList names { QStringLiteral("Laser"), QStringLiteral("Inkjet") };
    QtPrinterSystem system(queues(&names, QStringLiteral("Laser")));
    Printer* inkjet = system.printers()[1];
    inkjet->setCopies(3);
    system.setCurrent(*inkjet);

    names = QStringList { QStringLiteral("Plotter"), QStringLiteral("Laser") };
    const std::vector<Printer*> later = system.printers();
    ASSERT_EQ(later.size(), 3u);
    EXPECT_EQ(later[0]->deviceName(), QStringLiteral("Plotter"));
    EXPECT_EQ(&system.current(), inkjet) << "a removed queue is not freed under the current pointer";
    EXPECT_EQ(system.current().copies(), 3);

    QtPrinterSystem other(queues(&names, QString()));
    EXPECT_EQ(errorNumber([&] { system.setCurrent(other.pdfPrinter()); }), 380);
    EXPECT_EQ(&system.current(), inkjet);
}

namespace {

class PrinterOfTheSystem : public ::testing::TestWithParam<bool> { }; // true: the PDF printer

} // namespace

TEST_P(PrinterOfTheSystem, KeepsItsOrientationAndRefusesZeroCopies)
{
    QStringList names { QStringLiteral("Laser") };
    QtPrinterSystem system(queues(&names, QString()));
    Printer& printer = GetParam() ? system.pdfPrinter() : *system.printers()[0];
    EXPECT_EQ(printer.orientation(), PageOrientation::Portrait);
    printer.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(printer.orientation(), PageOrientation::Landscape);
    EXPECT_EQ(errorNumber([&] { printer.setCopies(0); }), 380);
    EXPECT_EQ(printer.orientation(), PageOrientation::Landscape);
    EXPECT_EQ(printer.copies(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrinterOfTheSystem, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& row) {
        return std::string(row.param ? "PdfPrinter" : "Queue");
    });

TEST(PrinterSystem, AQueueTakesADuplexAFileHasNoSides)
{
    QStringList names { QStringLiteral("Laser") };
    QtPrinterSystem system(queues(&names, QString()));
    Printer& queue = *system.printers()[0];
    queue.setDuplex(Duplex::ShortEdge);
    EXPECT_EQ(queue.duplex(), Duplex::ShortEdge);
    PdfFilePrinter& pdf = system.pdfPrinter();
    pdf.setDuplex(Duplex::LongEdge);
    EXPECT_EQ(pdf.duplex(), Duplex::Simplex);
}

TEST(PrinterSystem, AQueueThatIsGoneFailsWhenItsDocumentOpens)
{
    QStringList names { QStringLiteral("vennaros-no-such-queue") };
    QtPrinterSystem system(queues(&names, QString()));
    EXPECT_EQ(errorNumber([&] { openSurface(system.current()); }), 482);
}

TEST(PrinterSystem, ThePdfPrinterWritesToTheUsersDocumentsUnlessToldOtherwise)
{
    PdfFilePrinter pdf;
    const QString fallback = PdfFilePrinter::defaultOutputFileName();
    EXPECT_TRUE(fallback.endsWith(QStringLiteral("/vennaros.pdf")));
    EXPECT_TRUE(QDir::isAbsolutePath(fallback));
    EXPECT_EQ(pdf.outputFileName(), fallback);
    pdf.setOutputFileName(QStringLiteral("/tmp/x.pdf"));
    EXPECT_EQ(pdf.outputFileName(), QStringLiteral("/tmp/x.pdf"));
    pdf.setOutputFileName(QString());
    EXPECT_EQ(pdf.outputFileName(), fallback);
    // The tests run in the C locale, which measures in metric units.
    EXPECT_EQ(PdfFilePrinter::localePageSize(), QPageSize::A4);
    EXPECT_EQ(openSurface(pdf)->width(), 11906);
}
