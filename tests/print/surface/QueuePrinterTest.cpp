// Printing through a real CUPS scheduler: a private one, started in a temporary folder with its own
// configuration and socket, with one queue that writes its jobs to a file. The machine's own
// scheduler and printers are never reached. Needs root (the scheduler refuses otherwise) and the
// cups and cups-pdf packages; skipped without them.
#include "print/surface/QueuePrinter.h"
#include "common/RuntimeError.h"
#include "print/surface/QtPrinterSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("VennarosTest");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");

class PrivateScheduler {
public:
    /// Returns why the scheduler could not be started, or an empty text.
    QString start()
    {
        const passwd* lp = getpwnam("lp");
        if (geteuid() != 0 || lp == nullptr)
            return QStringLiteral("needs root and the lp user");
        if (!QFile::exists(kCupsd) || !QFile::exists(kPpd))
            return QStringLiteral("needs the cups and printer-driver-cups-pdf packages");
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        QFile::setPermissions(
            m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ReadOther | QFile::ExeOther);
        // Filters run as lp and need these.
        for (const char* sub : { "spool", "spool/tmp", "cache", "state", "log" }) {
            const QByteArray dir = path(QString::fromLatin1(sub)).toLocal8Bit();
            QDir().mkpath(QString::fromLocal8Bit(dir));
            if (chown(dir.constData(), lp->pw_uid, lp->pw_gid) != 0)
                return QStringLiteral("can't hand the spool to lp");
        }
        write(QStringLiteral("cups-files.conf"),
            QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                           "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                           "PageLog %1/log/page_log\nFileDevice Yes\nSystemGroup root\nUser lp\nGroup lp\n")
                .arg(m_dir.path()));
        write(QStringLiteral("cupsd.conf"),
            QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                           "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                           "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
                .arg(socket()));
        m_cupsd.start(kCupsd,
            { QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                QStringLiteral("-s"), path(QStringLiteral("cups-files.conf")) });
        if (!m_cupsd.waitForStarted())
            return QStringLiteral("the scheduler did not start");
        // Everything in this process and its children talks to this scheduler from now on.
        qputenv("CUPS_SERVER", socket().toLocal8Bit());
        if (!retry(QStringLiteral("lpstat"), { QStringLiteral("-r") }))
            return QStringLiteral("the scheduler did not answer");
        const QString uri = QStringLiteral("file://") + outputFile();
        if (!retry(QStringLiteral("lpadmin"),
                { QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"), uri,
                    QStringLiteral("-P"), kPpd })
            || !retry(QStringLiteral("lpadmin"), { QStringLiteral("-d"), kQueue }))
            return QStringLiteral("the queue could not be set up: ") + m_lastError;
        return QString();
    }

    ~PrivateScheduler()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(5000))
                m_cupsd.kill();
        }
    }

    QString outputFile() const { return path(QStringLiteral("job.prn")); }

    bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
    {
        QProcess process;
        process.start(program, arguments);
        const bool ok = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
        if (output != nullptr)
            *output = process.readAllStandardOutput();
        m_lastError = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return ok;
    }

    /// The scheduler stops taking connections for a moment now and then (while it starts, after a
    /// change): tries for up to ten seconds.
    bool retry(const QString& program, const QStringList& arguments)
    {
        for (int i = 0; i < 100; ++i) {
            if (run(program, arguments))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    /// Waits until the queue has no job left; false when that takes too long.
    bool waitForIdleQueue()
    {
        QByteArray jobs;
        for (int i = 0; i < 300; ++i) {
            if (run(QStringLiteral("lpstat"), { QStringLiteral("-o"), kQueue }, &jobs)
                && jobs.trimmed().isEmpty())
                return true;
            QThread::msleep(100);
        }
        return false;
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString socket() const { return path(QStringLiteral("cups.sock")); }
    void write(const QString& name, const QString& text) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    QTemporaryDir m_dir { QStringLiteral("/tmp/vennaros-cups-XXXXXX") }; // a socket path must be short
    QProcess m_cupsd;
    QString m_lastError;
};

class QueuePrinterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_scheduler = new PrivateScheduler;
        s_skipReason = new QString(s_scheduler->start());
    }
    static void TearDownTestSuite()
    {
        delete s_scheduler;
        delete s_skipReason;
    }
    void SetUp() override
    {
        if (!s_skipReason->isEmpty())
            GTEST_SKIP() << s_skipReason->toStdString();
    }

    static int printAndFail(Printer& printer)
    {
        auto surface = printer.openSurface();
        surface->line(LineFlags::Stroke, 1000, 1000, 0, 500, kBlack);
        try {
            surface->endDoc();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }

    static PrivateScheduler* s_scheduler;
    static QString* s_skipReason;
};

PrivateScheduler* QueuePrinterTest::s_scheduler = nullptr;
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
    EXPECT_THROW(queue.setDuplex(2), RuntimeError);

    auto surface = queue.openSurface();
    EXPECT_TRUE(surface->width() == 11906 || surface->width() == 12240) << surface->width();
    surface->print(QStringLiteral("Alt."));
    surface->killDoc();
    surface->print(QStringLiteral("Az"));
    surface->line(LineFlags::FilledBox, 1000, 1000, 500, 500, kBlack);
    surface->endDoc();

    ASSERT_TRUE(s_scheduler->waitForIdleQueue());
    QFile output(s_scheduler->outputFile());
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
