#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

/// What the print server says about one job and the queue it waits in.
struct QueueJobStatus {
    enum class State { Unknown, Pending, Held, Processing, Stopped, Cancelled, Aborted, Completed };
    State state = State::Unknown;
    QString jobReasons; ///< the job's state reasons, comma separated
    QString jobMessage; ///< what the printer said while it had the job, when it said anything
    bool queueStopped = false; ///< the queue is paused, or stopped after a failure
    QString queueReasons; ///< the queue's state reasons, comma separated
    QString queueMessage; ///< what the queue says of its state (a printer that can't be reached)
};

/// One print queue ("name" or "name/instance") of the CUPS server, spoken to with libcups: a job is
/// submitted as one PDF document in one Create-Job and Send-Document exchange, and its state read
/// back afterwards.
class CupsQueue {
public:
    using Options = std::vector<std::pair<QByteArray, QByteArray>>;

    explicit CupsQueue(QString name);

    /// Submits the PDF document as a job with the queue's own defaults (those of the instance and
    /// the user's) overridden by options. Returns the job's number. Throws RuntimeError 482 when the
    /// server can't be reached, the queue is gone or refuses the job.
    int submit(const QByteArray& pdf, const QString& title, const Options& options) const;
    /// The job's state now; Unknown when the server can't say.
    QueueJobStatus status(int jobId) const;
    /// True only when the server answers that it has no such queue (not when it can't be reached).
    bool isUnknownToTheServer() const;

private:
    QString m_name;
    QByteArray m_printer; // the queue's name without the instance
    QByteArray m_instance;
};
