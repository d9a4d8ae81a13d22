#pragma once

#include <QString>

/// Checks around a document that Qt hands to the CUPS server. Qt ignores the server's answer, so
/// without these a queue that refuses the job would look as if it had printed.
class CupsJobCheck {
public:
    /// Throws RuntimeError 482 unless the server answers and the queue ("name" or
    /// "name/instance") exists and accepts jobs. Leaves the last server status at success, so
    /// afterJob() sees only the submission's.
    static void beforeJob(const QString& queueName);
    /// Throws RuntimeError 482 when the server refused the job submitted since beforeJob().
    static void afterJob();
};
