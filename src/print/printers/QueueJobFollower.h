#pragma once

#include "print/printers/CupsQueue.h"
#include "print/printers/Printer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

/// Follows a job handed to a print queue for a few seconds, without blocking the window: asks the
/// print server now and then until the job is done, or until the server stops, aborts, cancels or
/// holds it, or the queue is paused, and then says so in a sentence that names the printer.
class QueueJobFollower : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 200;
    static constexpr int kLimitMs = 5000;

    using StatusSource = std::function<QueueJobStatus(const QueueJob&)>;

    /// source tells the state of a job; by default the print server is asked.
    explicit QueueJobFollower(StatusSource source = serverStatus, QObject* parent = nullptr);

    /// Follows this job from now on, in place of any job followed so far.
    void follow(const QueueJob& job);
    bool following() const { return m_job.has_value(); }

    /// What to tell the user about a job in this state; nothing while it goes on as it should.
    static std::optional<QString> problem(const QString& printer, const QueueJobStatus& status);
    static QueueJobStatus serverStatus(const QueueJob& job);

Q_SIGNALS:
    /// The job went wrong: the sentence for the status line.
    void failed(const QString& message);
    /// Following has ended, whichever way.
    void finished();

private:
    void check();
    void stop();

    StatusSource m_source;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::optional<QueueJob> m_job;
};
