// Printing through a real CUPS scheduler: a private one, started in a temporary folder with its own
// configuration and socket, with one queue that writes its jobs to a file. The machine's own
// scheduler and printers are never reached. Needs root (the scheduler refuses otherwise) and the
// cups and cups-pdf packages; skipped without them, except on CI, where that is a failure.
#include "print/printers/QueuePrinter.h"
#include "common/RuntimeError.h"
#include "print/printers/QtPrinterSystem.h"
#include "support/PrinterRecording.h"
#include "support/PrivateCupsScheduler.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kQueue = QStringLiteral("VennarosTest");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kOutputFile = QStringLiteral("job.prn");

class QueuePrinterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_scheduler = new PrivateCupsScheduler;
        s_skipReason = new QString(s_scheduler->start());
        if (s_skipReason->isEmpty()) {
            *s_skipReason = s_scheduler->addDefaultQueue(
                kQueue, QStringLiteral("file://") + s_scheduler->path(kOutputFile), kPpd);
        }
    }
    static void TearDownTestSuite()
    {
        delete s_scheduler;
        delete s_skipReason;
    }
    void SetUp() override
    {
        if (s_skipReason->isEmpty())
            return;
        if (PrivateCupsScheduler::required())
            FAIL() << "no print scheduler: " << s_skipReason->toStdString();
        GTEST_SKIP() << s_skipReason->toStdString();
    }

    static int printAndFail(Printer& printer)
    {
        auto surface = openSurface(printer);
        surface->line(LineFlags::Stroke, 1000, 1000, 0, 500, kBlack);
        try {
            surface->endDoc();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }

    static PrivateCupsScheduler* s_scheduler;
    static QString* s_skipReason;
};

PrivateCupsScheduler* QueuePrinterTest::s_scheduler = nullptr;
QString* QueuePrinterTest::s_skipReason = nullptr;

} // namespace

TEST_F(QueuePrinterTest, TheDefaultQueueIsCurrentAndGetsTheEndedDocument)
{
    QtPrinterSystem system;
    ASSERT_EQ(system.printers().size(), 2u);
    Printer& queue = system.current();
    EXPECT_EQ(queue.deviceName(), kQueue);
    EXPECT_EQ(queue.port(), QStringLiteral("CUPS:") + kQueue);
    EXPECT_EQ(system.printers().back(), &system.pdfPrinter());
    // This queue's driver can't print on both sides.
    EXPECT_THROW(queue.setDuplex(Duplex::LongEdge), RuntimeError);

    auto surface = openSurface(queue);
    EXPECT_TRUE(surface->width() == 11906 || surface->width() == 12240) << surface->width();
    surface->print(QStringLiteral("Alt."));
    surface->killDoc();
    surface->print(QStringLiteral("Az"));
    surface->line(LineFlags::FilledBox, 1000, 1000, 500, 500, kBlack);
    surface->endDoc();

    ASSERT_TRUE(s_scheduler->waitForIdleQueue(kQueue));
    QFile output(s_scheduler->path(kOutputFile));
    ASSERT_TRUE(output.open(QIODevice::ReadOnly)) << "the job never reached the queue";
    EXPECT_TRUE(output.read(4) == "%!PS");
}

TEST_F(QueuePrinterTest, AJobTheSchedulerRefusesIsAPrinterError)
{
    QtPrinterSystem system;
    Printer& queue = system.current();
    ASSERT_TRUE(s_scheduler->retry(QStringLiteral("cupsreject"), { kQueue }));
    EXPECT_EQ(printAndFail(queue), 482) << "a queue that doesn't accept jobs";
    ASSERT_TRUE(s_scheduler->retry(QStringLiteral("cupsaccept"), { kQueue }));

    // Accepted by the queue, refused by the scheduler when the job is submitted.
    queue.setCopies(30000);
    EXPECT_EQ(printAndFail(queue), 482) << "more copies than the scheduler allows";
    queue.setCopies(1);
    EXPECT_EQ(printAndFail(queue), 0);
}
