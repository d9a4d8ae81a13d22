// The window printing through print queues of a private scheduler: each queue's own paper, the
// no-scaling request the scheduler keeps with the job, and what the window says when a queue does
// not print the page (a bad device, a failing backend, a paused queue, a queue removed while the
// dialog was open).
#include "WindowUnderTest.h"
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/StatusLine.h"
#include "support/PdfReadback.h"
#include "support/PrivateCupsScheduler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int kJobTimeoutMs = 20000;
const QString kLetter = QStringLiteral("Letter");
const QString kA3 = QStringLiteral("A3");
const QString kA4 = QStringLiteral("A4");
const QString kUnreachable = QStringLiteral("Unreachable");

using e2e::Program;

class QueueEndToEnd : public ::testing::Test {
protected:
    // One scheduler for every suite of the process: libcups keeps the server it reached first.
    static void SetUpTestSuite()
    {
        if (s_scheduler != nullptr)
            return;
        s_scheduler = new PrivateCupsScheduler;
        s_problem = new QString(s_scheduler->start());
        if (!s_problem->isEmpty())
            return;
        const QString letter = s_scheduler->writeFile(
            QStringLiteral("letter.ppd"), PrivateCupsScheduler::pdfPassThroughPpd("Letter"));
        const QString a3
            = s_scheduler->writeFile(QStringLiteral("a3.ppd"), PrivateCupsScheduler::pdfPassThroughPpd("A3"));
        const QString a4
            = s_scheduler->writeFile(QStringLiteral("a4.ppd"), PrivateCupsScheduler::pdfPassThroughPpd("A4"));
        if (letter.isEmpty() || a3.isEmpty() || a4.isEmpty()
            || s_scheduler->makeSharedFolder(QStringLiteral("out")).isEmpty()) {
            *s_problem = QStringLiteral("can't prepare the scheduler's folder");
            return;
        }
        const auto device = [](const QString& name) {
            return QStringLiteral("file://")
                + s_scheduler->path(QStringLiteral("out/") + name + QStringLiteral(".pdf"));
        };
        const std::vector<std::pair<QString, QString>> queues {
            { kA3, device(kA3) },
            { kA4, device(kA4) },
            { QStringLiteral("BadDevice"), QStringLiteral("file:///nonexistent/folder/page.pdf") },
            { QStringLiteral("Failing"), PrivateCupsScheduler::failingDeviceUri() },
            { QStringLiteral("Paused"), device(QStringLiteral("Paused")) },
            { QStringLiteral("Doomed"), device(QStringLiteral("Doomed")) },
            // A network printer that is switched off: nothing answers on its port.
            { kUnreachable, QStringLiteral("socket://127.0.0.1:1") },
        };
        *s_problem = s_scheduler->addDefaultQueue(kLetter, device(kLetter), letter);
        for (const auto& [name, uri] : queues) {
            if (s_problem->isEmpty())
                *s_problem = s_scheduler->addQueue(name, uri, name == kA3 ? a3 : name == kA4 ? a4 : letter);
        }
        if (s_problem->isEmpty()
            && !s_scheduler->retry(QStringLiteral("cupsdisable"), { QStringLiteral("Paused") }))
            *s_problem = s_scheduler->lastError();
    }

public:
    static void stopScheduler()
    {
        delete s_scheduler;
        s_scheduler = nullptr;
        delete s_problem;
        s_problem = nullptr;
    }

protected:
    void SetUp() override
    {
        if (!s_problem->isEmpty()) {
            if (PrivateCupsScheduler::required())
                FAIL() << "no print scheduler: " << s_problem->toStdString();
            GTEST_SKIP() << s_problem->toStdString();
        }
        ASSERT_TRUE(m_dir.isValid());
        m_program = std::make_unique<Program>(m_dir.filePath(QStringLiteral("Vennaros.ini")));
    }

    /// Prints the page of the button on the queue and reads back what the queue's device wrote.
    pdfreadback::PdfPage printAndReadBack(const QString& queue, const QString& button)
    {
        const QString device = s_scheduler->path(QStringLiteral("out/") + queue + QStringLiteral(".pdf"));
        QFile::remove(device);
        m_program->dialog.choose(queue);
        m_program->click(button);
        if (!m_program->status().isEmpty()) {
            ADD_FAILURE() << "the job ended with \"" << m_program->status().toStdString() << '"';
            return {};
        }
        if (!s_scheduler->waitForCompleteFile(queue, device, QByteArrayLiteral("%%EOF"), kJobTimeoutMs)) {
            ADD_FAILURE() << "the queue wrote no complete PDF";
            return {};
        }
        return pdfreadback::readPdfPage(device);
    }

    QString lastJobAttributes()
    {
        const std::optional<QueueJob> job = m_program->printers.current().lastJob();
        return job ? s_scheduler->jobAttributes(job->queue, job->id) : QString();
    }

    static PrivateCupsScheduler* s_scheduler;
    static QString* s_problem;
    QTemporaryDir m_dir;
    std::unique_ptr<Program> m_program;
};

PrivateCupsScheduler* QueueEndToEnd::s_scheduler = nullptr;
QString* QueueEndToEnd::s_problem = nullptr;

class SchedulerStop : public ::testing::Environment {
public:
    void TearDown() override { QueueEndToEnd::stopScheduler(); }
};
const auto* const kSchedulerStop = ::testing::AddGlobalTestEnvironment(new SchedulerStop);

void expectNoScalingAsked(const QString& attributes)
{
    EXPECT_TRUE(attributes.contains(QStringLiteral("print-scaling (keyword) = none")))
        << attributes.toStdString();
    EXPECT_TRUE(attributes.contains(QStringLiteral("fit-to-page (boolean) = false")))
        << attributes.toStdString();
}

} // namespace

TEST_F(QueueEndToEnd, OnLetterTheDefaultsAreRefusedAtItsWidth)
{
    Program& p = *m_program;
    ASSERT_EQ(p.printers.current().deviceName(), kLetter) << "the scheduler's default queue is current";
    p.dialog.choose(kLetter);
    p.click(QStringLiteral("PrintButton")); // the default 3-inch diameter
    EXPECT_EQ(p.status(), QStringLiteral("Altitude max. length is 8.5 inches for current page width."));
    EXPECT_EQ(p.model.status().color(), StatusLine::kErrorColor);

    p.click(QStringLiteral("AzmmOption"));
    p.type(QStringLiteral("AzText"), QStringLiteral("80"));
    p.dialog.choose(kLetter);
    p.click(QStringLiteral("PrintAzButton"));
    EXPECT_EQ(p.status(), QStringLiteral("Azimuth max. length is 215.9 mm for current page width."));
}

// A queue on A4 portrait by default, Print pressed as the dialog opens: the default strip comes out
// on A4 turned to fit, at the first press.
TEST_F(QueueEndToEnd, OnA4TheDefaultStripPrintsTurnedToFitAtTheFirstPress)
{
    Program& p = *m_program;
    const QString device = s_scheduler->path(QStringLiteral("out/A4.pdf"));
    QFile::remove(device);
    p.dialog.printAsOpened(kA4);
    p.click(QStringLiteral("PrintButton"));
    ASSERT_EQ(p.status(), QString());
    EXPECT_EQ(p.dialog.requests().back().orientation, PageOrientation::Landscape);
    ASSERT_TRUE(s_scheduler->waitForCompleteFile(kA4, device, QByteArrayLiteral("%%EOF"), kJobTimeoutMs));
    EXPECT_EQ(p.printers.current().paper().width, 16838) << "the page is drawn on A4 landscape";
    // The queue may put the landscape page turned onto its portrait sheet: an A4 sheet either way.
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(device);
    EXPECT_NEAR(std::max(page.paperWidth, page.paperHeight), 16838, 10);
    EXPECT_NEAR(std::min(page.paperWidth, page.paperHeight), 11906, 10);
    const QString attributes = lastJobAttributes();
    expectNoScalingAsked(attributes);
    EXPECT_TRUE(attributes.contains(QStringLiteral("media (keyword) = A4"))) << attributes.toStdString();
}

TEST_F(QueueEndToEnd, OnLetterAPageThatFitsComesOutOnLetterUnscaled)
{
    m_program->click(QStringLiteral("AzmmOption"));
    m_program->type(QStringLiteral("AzText"), QStringLiteral("60"));
    const pdfreadback::PdfPage page = printAndReadBack(kLetter, QStringLiteral("PrintAzButton"));
    EXPECT_NEAR(page.paperWidth, 12240, 10);
    EXPECT_NEAR(page.paperHeight, 15840, 10);
    const QString attributes = lastJobAttributes();
    expectNoScalingAsked(attributes);
    EXPECT_TRUE(attributes.contains(QStringLiteral("media (keyword) = Letter"))) << attributes.toStdString();
}

TEST_F(QueueEndToEnd, OnA3TheDefaultAltitudeStripPrintsInPortrait)
{
    const pdfreadback::PdfPage page = printAndReadBack(kA3, QStringLiteral("PrintButton"));
    EXPECT_NEAR(page.paperWidth, 16838, 10);
    EXPECT_NEAR(page.paperHeight, 23811, 10);
    ASSERT_FALSE(page.segments.empty());
    // 3 inches across, times 3.14, from 100 twips in: the strip's last mark.
    double right = 0;
    for (const auto& segment : page.segments)
        right = std::max(right, segment.x1);
    EXPECT_NEAR(right, 100 + 3 * 25.4 * 3.14 * 56.7, 2);
    expectNoScalingAsked(lastJobAttributes());
}

namespace {

struct FailingQueueCase {
    const char* queue;
    const char* status;
};

class FailingQueue : public QueueEndToEnd, public ::testing::WithParamInterface<FailingQueueCase> { };

} // namespace

TEST_P(FailingQueue, TheWindowSaysWhatBecameOfThePage)
{
    Program& p = *m_program;
    p.click(QStringLiteral("AzmmOption"));
    p.type(QStringLiteral("AzText"), QStringLiteral("60"));
    p.dialog.choose(QString::fromLatin1(GetParam().queue));
    p.click(QStringLiteral("PrintAzButton"));
    EXPECT_EQ(p.status().toStdString(), "") << "the job itself went to the queue";
    EXPECT_TRUE(p.controller.queueJob().following());
    ASSERT_TRUE(p.jobFollowed());
    EXPECT_EQ(p.status().toStdString(), GetParam().status);
    EXPECT_EQ(p.model.status().color(), StatusLine::kErrorColor);
}

INSTANTIATE_TEST_SUITE_P(Queues, FailingQueue,
    ::testing::Values(FailingQueueCase { "BadDevice", "The printer \"BadDevice\" stopped the page." },
        FailingQueueCase {
            "Failing", "The printer \"Failing\" holds the page: The test device is out of order." },
        FailingQueueCase { "Paused", "The printer \"Paused\" is paused: the page waits in its queue." }),
    [](const ::testing::TestParamInfo<FailingQueueCase>& row) { return std::string(row.param.queue); });

TEST_F(QueueEndToEnd, APrinterThatCannotBeReachedIsNamedWithTheSchedulersReason)
{
    Program& p = *m_program;
    p.click(QStringLiteral("AzmmOption"));
    p.type(QStringLiteral("AzText"), QStringLiteral("60"));
    p.dialog.choose(kUnreachable);
    p.click(QStringLiteral("PrintAzButton"));
    EXPECT_EQ(p.status().toStdString(), "") << "the job itself went to the queue";
    const QString said = QStringLiteral("The printer \"Unreachable\" has not printed the page yet: ");
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.status().startsWith(said); }, 10000))
        << p.status().toStdString();
    EXPECT_GT(p.status().size(), said.size()) << "the reason is named";
    EXPECT_EQ(p.model.status().color(), StatusLine::kErrorColor);
    EXPECT_TRUE(p.controller.queueJob().following()) << "still followed, never cancelled";
    const std::optional<QueueJob> job = p.printers.current().lastJob();
    ASSERT_TRUE(job.has_value());
    EXPECT_TRUE(s_scheduler->jobAttributes(job->queue, job->id)
                    .contains(QStringLiteral("job-state (enum) = processing")))
        << s_scheduler->jobAttributes(job->queue, job->id).toStdString();
    s_scheduler->run(QStringLiteral("cancel"), { QStringLiteral("-a"), kUnreachable });
}

TEST_F(QueueEndToEnd, AQueueThatPrintsIsFollowedWithoutAWord)
{
    Program& p = *m_program;
    p.click(QStringLiteral("AzmmOption"));
    p.type(QStringLiteral("AzText"), QStringLiteral("60"));
    p.dialog.choose(kLetter);
    p.click(QStringLiteral("PrintAzButton"));
    ASSERT_TRUE(p.jobFollowed());
    EXPECT_EQ(p.status(), QString());
}

TEST_F(QueueEndToEnd, AQueueRemovedWhileTheDialogIsOpenIsReportedAndNothingPrinted)
{
    Program& p = *m_program;
    p.click(QStringLiteral("AzmmOption"));
    p.type(QStringLiteral("AzText"), QStringLiteral("60"));
    p.printers.printers(); // the dialog offers what is installed when it opens
    p.dialog.whileOpen([] {
        ASSERT_TRUE(s_scheduler->retry(
            QStringLiteral("lpadmin"), { QStringLiteral("-x"), QStringLiteral("Doomed") }));
    });
    p.dialog.choose(QStringLiteral("Doomed"));
    p.click(QStringLiteral("PrintAzButton"));
    EXPECT_EQ(
        p.status().toStdString(), "Cannot select a printer: The printer \"Doomed\" is no longer installed");
    EXPECT_EQ(p.model.status().color(), StatusLine::kErrorColor);
    EXPECT_EQ(p.printers.current().deviceName(), kLetter);
    EXPECT_FALSE(p.printers.current().lastJob().has_value()) << "nothing was printed elsewhere";
}

// The real dialog, opened on a queue: its PDF entry proposes the PDF printer's file, as it does
// without any queue, and a queue chosen in its list is answered even when it has gone meanwhile.
TEST_F(QueueEndToEnd, TheSystemDialogProposesThePdfPrintersFileAndAnswersTheQueueChosen)
{
    QtPrintDialogBackend backend;
    PrintDialogRequest request;
    request.deviceName = kLetter;
    request.flags = 0x100004;
    request.fromPage = request.toPage = request.minPage = request.maxPage = 1;
    const auto answerChoosing = [&](const QString& entry, const std::function<void()>& meanwhile) {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            auto* list = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            list->setCurrentIndex(entry.isEmpty() ? list->count() - 1 : list->findText(entry));
            if (meanwhile)
                meanwhile();
            dialog->accept();
        });
        timer.start(20);
        return backend.exec(request);
    };

    const auto toFile = answerChoosing(QString(), {});
    ASSERT_TRUE(toFile.has_value());
    EXPECT_EQ(toFile->deviceName, QString::fromLatin1(PdfFilePrinter::kDeviceName));
    EXPECT_EQ(toFile->outputFileName, PdfFilePrinter::defaultOutputFileName());

    ASSERT_TRUE(s_scheduler
                    ->addQueue(QStringLiteral("Vanishing"), QStringLiteral("file:///dev/null"),
                        s_scheduler->path(QStringLiteral("letter.ppd")))
                    .isEmpty());
    const auto gone = answerChoosing(QStringLiteral("Vanishing"), [] {
        s_scheduler->retry(QStringLiteral("lpadmin"), { QStringLiteral("-x"), QStringLiteral("Vanishing") });
    });
    ASSERT_TRUE(gone.has_value());
    EXPECT_EQ(gone->deviceName, QStringLiteral("Vanishing"));
}
