#pragma once

#include "print/printers/Printer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

/// Follows a job handed to a print queue for a few seconds, without blocking the window: asks the
/// print server now and then until the job is done, or until the server stops, aborts, cancels or
/// holds it, or the queue is paused, and then says so in a sentence that names the printer. A job
/// the printer has not taken after a few seconds while the queue reports a problem (a printer that
/// can't be reached) is said to wait, and followed on until it is printed or fails; it is never
/// cancelled here.
class QueueJobFollower : public QObject {
    Q_OBJECT
public:
    using StatusSource = std::function<QueueJobStatus(const QueueJob&)>;

    /// How often the queue is asked, and how long a job is followed while it goes on as it should.
    static constexpr int kPollMs = 200;
    static constexpr int kLimitMs = 5000;
    /// How long a job may wait before a problem the queue reports is said.
    static constexpr int kWaitMs = 3000;
    /// How long a job said to wait is followed, at most, for the news that it printed.
    static constexpr int kWaitLimitMs = 30 * 60 * 1000;
    static constexpr int kWaitPollMs = 1000;

    /// source tells the state of a job (PrinterSystem::jobStatus for the machine's printers).
    explicit QueueJobFollower(StatusSource source, QObject* parent = nullptr);

    /// Follows this job from now on, in place of any job followed so far.
    void follow(const QueueJob& job);
    bool following() const { return m_job.has_value(); }
    /// What was last said of the job's wait; empty when nothing was.
    const QString& delay() const { return m_delay; }

    /// What to tell the user about a job in this state; nothing while it goes on as it should.
    static std::optional<QString> problem(const QString& printer, const QueueJobStatus& status);
    /// What to say about a job not yet printed while its queue reports a problem; nothing when it
    /// reports none.
    static std::optional<QString> waiting(const QString& printer, const QueueJobStatus& status);

Q_SIGNALS:
    /// The job went wrong: the sentence for the status line.
    void failed(const QString& message);
    /// The job has waited kWaitMs and the queue reports why: the sentence for the status line. Said
    /// again when the reason changes.
    void delayed(const QString& message);
    /// A job said to wait has been printed: the sentence for the status line.
    void printed(const QString& message);
    /// Following has ended, whichever way.
    void finished();

private:
    void check();
    void stop();

    StatusSource m_source;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::optional<QueueJob> m_job;
    QString m_delay; ///< what was said of the job's wait, if anything
};
