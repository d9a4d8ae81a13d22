#pragma once

#include "print/printers/Printer.h"

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

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
