#include "support/PrivateCupsScheduler.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUrl>
#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");
const QString kServerBin = QStringLiteral("/usr/lib/cups");
constexpr int kCommandTimeoutMs = 10000;
constexpr int kPollMs = 100;
constexpr int kRetryMs = 10000;

} // namespace

// A socket path must stay short (108 bytes), whatever TMPDIR says.
PrivateCupsScheduler::PrivateCupsScheduler()
    : m_dir(QStringLiteral("/tmp/vennaros-cups-XXXXXX"))
{ }

PrivateCupsScheduler::~PrivateCupsScheduler()
{
    stop();
}

bool PrivateCupsScheduler::required()
{
    return qEnvironmentVariable("CI") == QStringLiteral("true");
}

QString PrivateCupsScheduler::start()
{
    const passwd* lp = getpwnam("lp");
    if (geteuid() != 0 || lp == nullptr)
        return QStringLiteral("needs root and the lp user");
    for (const QString& program :
        { kCupsd, QStringLiteral("/usr/sbin/lpadmin"), QStringLiteral("/usr/bin/lpstat") }) {
        if (!QFileInfo(program).isExecutable())
            return QStringLiteral("needs the cups package (%1 is missing)").arg(program);
    }
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder: ") + m_dir.errorString();
    // The filters run as lp and must reach the spool through this folder.
    QFile::setPermissions(
        m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString programs = linkPrograms();
    if (!programs.isEmpty())
        return programs;
    for (const char* sub : { "spool", "spool/tmp", "cache", "state", "log" }) {
        const QString dir = path(QString::fromLatin1(sub));
        QDir().mkpath(dir);
        if (chown(QFile::encodeName(dir).constData(), lp->pw_uid, lp->pw_gid) != 0)
            return QStringLiteral("can't hand %1 to lp").arg(dir);
    }
    const QString files = writeFile(QStringLiteral("cups-files.conf"),
        QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                       "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                       "PageLog %1/log/page_log\nFileDevice Yes\nSystemGroup root\nUser lp\nGroup lp\n"
                       "ServerBin %1/bin\n")
            .arg(m_dir.path())
            .toUtf8());
    const QString conf = writeFile(QStringLiteral("cupsd.conf"),
        QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                       "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                       "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
            .arg(socket())
            .toUtf8());
    if (files.isEmpty() || conf.isEmpty())
        return QStringLiteral("can't write the scheduler's configuration");

    // Its messages go to its error log; an inherited output channel would keep a test runner
    // waiting on it. And it must not outlive a test that crashed.
    m_cupsd.setStandardOutputFile(QProcess::nullDevice());
    m_cupsd.setStandardErrorFile(QProcess::nullDevice());
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start(kCupsd, { QStringLiteral("-f"), QStringLiteral("-c"), conf, QStringLiteral("-s"), files });
    if (!m_cupsd.waitForStarted())
        return QStringLiteral("the scheduler did not start: ") + m_cupsd.errorString();
    qputenv("CUPS_SERVER", QFile::encodeName(socket()));
    if (!retry(QStringLiteral("lpstat"), { QStringLiteral("-r") }))
        return QStringLiteral("the scheduler did not answer: ") + m_lastError;
    return QString();
}

QString PrivateCupsScheduler::linkPrograms()
{
    // The machine's filters and backends, and one backend of our own that fails every job.
    const QDir system(kServerBin);
    const QString bin = path(QStringLiteral("bin"));
    if (!QDir().mkpath(bin + QStringLiteral("/backend")))
        return QStringLiteral("can't make the scheduler's program folder");
    for (const QString& entry : system.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry != QStringLiteral("backend"))
            QFile::link(system.filePath(entry), bin + QLatin1Char('/') + entry);
    }
    const QDir backends(system.filePath(QStringLiteral("backend")));
    for (const QString& entry : backends.entryList(QDir::Files))
        QFile::link(backends.filePath(entry), bin + QStringLiteral("/backend/") + entry);
    const QString failing = writeFile(QStringLiteral("bin/backend/vennarosfail"),
        "#!/bin/sh\n[ $# -eq 0 ] && exit 0\necho 'ERROR: The test device is out of order' >&2\nexit 1\n");
    // The scheduler runs only backends that no one but root may change.
    if (failing.isEmpty() || ::chmod(QFile::encodeName(failing).constData(), 0755) != 0)
        return QStringLiteral("can't write the failing backend");
    return QString();
}

QString PrivateCupsScheduler::addQueue(const QString& name, const QString& deviceUri, const QString& ppdPath)
{
    if (!QFileInfo(ppdPath).isReadable())
        return QStringLiteral("no driver description at ") + ppdPath;
    if (!retry(QStringLiteral("lpadmin"),
            { QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), deviceUri,
                QStringLiteral("-P"), ppdPath }))
        return QStringLiteral("the queue could not be set up: ") + m_lastError;
    return QString();
}

QString PrivateCupsScheduler::addDefaultQueue(
    const QString& name, const QString& deviceUri, const QString& ppdPath)
{
    const QString problem = addQueue(name, deviceUri, ppdPath);
    if (!problem.isEmpty())
        return problem;
    if (!retry(QStringLiteral("lpadmin"), { QStringLiteral("-d"), name }))
        return QStringLiteral("the queue could not be made the default: ") + m_lastError;
    return QString();
}

QString PrivateCupsScheduler::jobAttributes(const QString& queue, int jobId)
{
    const QString test = writeFile(QStringLiteral("get-job.test"), R"({
  OPERATION Get-Job-Attributes
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR integer job-id $job_id
  ATTR name requesting-user-name $user
  ATTR keyword requested-attributes all
  STATUS successful-ok
}
)");
    // ipptool reaches a scheduler on a local socket through the socket's path as the host.
    const QString uri
        = QStringLiteral("ipp://%1/printers/%2")
              .arg(QString::fromLatin1(QUrl::toPercentEncoding(socket(), QByteArray(), "/")), queue);
    QByteArray output;
    run(QStringLiteral("ipptool"),
        { QStringLiteral("-tv"), QStringLiteral("-d"), QStringLiteral("job_id=%1").arg(jobId), uri, test },
        &output);
    return QString::fromUtf8(output);
}

void PrivateCupsScheduler::stop()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(5000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

QString PrivateCupsScheduler::path(const QString& name) const
{
    return m_dir.filePath(name);
}

QString PrivateCupsScheduler::writeFile(const QString& name, const QByteArray& contents) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size())
        return QString();
    return file.fileName();
}

QString PrivateCupsScheduler::makeSharedFolder(const QString& name) const
{
    const QString dir = path(name);
    // World-writable with the sticky bit, as a spool folder is.
    if (!QDir().mkpath(dir) || ::chmod(QFile::encodeName(dir).constData(), 01777) != 0)
        return QString();
    return dir;
}

bool PrivateCupsScheduler::run(const QString& program, const QStringList& arguments, QByteArray* output)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(kCommandTimeoutMs) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    if (output != nullptr)
        *output = process.readAllStandardOutput();
    m_lastError = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (m_lastError.isEmpty() && !ok)
        m_lastError = program + QStringLiteral(" failed: ") + process.errorString();
    return ok;
}

bool PrivateCupsScheduler::retry(const QString& program, const QStringList& arguments)
{
    QElapsedTimer clock;
    clock.start();
    while (!run(program, arguments)) {
        if (clock.hasExpired(kRetryMs))
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

bool PrivateCupsScheduler::waitForIdleQueue(const QString& queue, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QByteArray jobs;
    while (
        !run(QStringLiteral("lpstat"), { QStringLiteral("-o"), queue }, &jobs) || !jobs.trimmed().isEmpty()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

bool PrivateCupsScheduler::waitForCompleteFile(
    const QString& queue, const QString& file, const QByteArray& endMarker, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const auto complete = [&] {
        QFile output(file);
        if (!output.open(QIODevice::ReadOnly) || output.size() < endMarker.size())
            return false;
        // Room for the line end that may follow the marker.
        const qint64 tail = qMin<qint64>(output.size(), endMarker.size() + 4);
        output.seek(output.size() - tail);
        return output.read(tail).contains(endMarker);
    };
    for (;;) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || !waitForIdleQueue(queue, static_cast<int>(left)))
            return false;
        if (complete())
            return true;
        QThread::msleep(kPollMs);
    }
}

QByteArray PrivateCupsScheduler::pdfPassThroughPpd(const QByteArray& defaultSize)
{
    // The filter line takes the PDF that the scheduler's own PDF filter prepared and hands it to
    // the device as it is: the device file is a PDF whose text can be read back.
    return QByteArray(R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "E2EPDF.PPD"
*Manufacturer: "Test"
*Product: "(PDF file)"
*ModelName: "PDF file writer"
*ShortNickName: "PDF file writer"
*NickName: "PDF file writer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: DEFAULT
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A3/A3: "<</PageSize[842 1191]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: DEFAULT
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*PageRegion A3/A3: "<</PageSize[842 1191]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: DEFAULT
*ImageableArea A4/A4: "0 0 595 842"
*ImageableArea Letter/Letter: "0 0 612 792"
*ImageableArea A3/A3: "0 0 842 1191"
*DefaultPaperDimension: DEFAULT
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
*PaperDimension A3/A3: "842 1191"
)ppd")
        .replace("DEFAULT", defaultSize);
}
