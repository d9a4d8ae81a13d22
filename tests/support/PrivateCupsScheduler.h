#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

/// A CUPS scheduler of a test's own: configuration, spool, logs and socket in a temporary folder,
/// reached through CUPS_SERVER, so the machine's print service and its queues are never touched.
/// Stopped (terminated, then killed) when destroyed. Needs root and the cups package.
class PrivateCupsScheduler {
public:
    PrivateCupsScheduler();
    ~PrivateCupsScheduler();
    PrivateCupsScheduler(const PrivateCupsScheduler&) = delete;
    PrivateCupsScheduler& operator=(const PrivateCupsScheduler&) = delete;

    /// Starts the scheduler and points this process, and every program it starts, at it. Returns
    /// why it could not, or an empty text. Must come before anything in the process talks to CUPS:
    /// libcups keeps the server it reached first.
    QString start();
    /// Adds an enabled queue that accepts jobs and makes it the default. Returns why it could not,
    /// or an empty text.
    QString addDefaultQueue(const QString& name, const QString& deviceUri, const QString& ppdPath);
    void stop();

    /// True where a scheduler that can't start must fail the test instead of skipping it: on CI a
    /// skipped end-to-end test would pass unseen.
    static bool required();
    /// Adds an enabled queue that accepts jobs, without making it the default.
    QString addQueue(const QString& name, const QString& deviceUri, const QString& ppdPath);
    /// A PPD whose queue hands the job's PDF on as it is, for a file: device whose output is read
    /// back. Its sizes are A4, Letter and A3; defaultSize is one of them.
    static QByteArray pdfPassThroughPpd(const QByteArray& defaultSize = "A4");
    /// The device URI of a backend that fails every job, saying "The test device is out of order".
    static QString failingDeviceUri() { return QStringLiteral("vennarosfail:/"); }
    /// The attributes of a job as the scheduler reports them to ipptool ("name (type) = value" lines).
    QString jobAttributes(const QString& queue, int jobId);

    /// A path inside the scheduler's folder.
    QString path(const QString& name) const;
    /// Writes a file into the scheduler's folder; returns its path, or an empty text.
    QString writeFile(const QString& name, const QByteArray& contents) const;
    /// A folder inside the scheduler's folder that the scheduler's filters (user lp) can write.
    QString makeSharedFolder(const QString& name) const;

    /// Runs a CUPS command against this scheduler; false unless it exits with 0 within 10 s.
    bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
    /// The scheduler stops taking connections for a moment now and then (while it starts, after a
    /// change): tries the command for up to ten seconds.
    bool retry(const QString& program, const QStringList& arguments);
    /// Waits until the queue has no job left; false when that takes longer than timeoutMs.
    bool waitForIdleQueue(const QString& queue, int timeoutMs = 30000);
    /// Waits until the queue is idle and the file that its device writes is complete (its last
    /// bytes hold endMarker): the file appears, and grows, while the job is still being written.
    bool waitForCompleteFile(
        const QString& queue, const QString& file, const QByteArray& endMarker, int timeoutMs = 30000);

    /// The error output of the last command run, for a failure message.
    const QString& lastError() const { return m_lastError; }

private:
    QString socket() const { return path(QStringLiteral("cups.sock")); }
    /// The scheduler's program folder: the machine's filters and backends and a failing backend.
    QString linkPrograms();

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_lastError;
};
