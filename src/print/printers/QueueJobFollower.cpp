#include "print/printers/QueueJobFollower.h"

#include <QStringList>

namespace {

// ": what the printer said", or nothing when it said nothing.
QString because(const QueueJobStatus& status)
{
    return status.jobMessage.isEmpty() ? QString() : QStringLiteral(": ") + status.jobMessage;
}

} // namespace

QueueJobFollower::QueueJobFollower(StatusSource source, QObject* parent)
    : QObject(parent)
    , m_source(std::move(source))
{
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &QueueJobFollower::check);
}

void QueueJobFollower::follow(const QueueJob& job)
{
    m_job = job;
    m_delay.clear();
    m_timer.setInterval(kPollMs);
    m_clock.start();
    m_timer.start();
}

void QueueJobFollower::stop()
{
    m_timer.stop();
    m_job.reset();
    Q_EMIT finished();
}

std::optional<QString> QueueJobFollower::problem(const QString& printer, const QueueJobStatus& status)
{
    using State = QueueJobStatus::State;
    const QString named = QStringLiteral("\"%1\"").arg(printer);
    switch (status.state) {
    case State::Stopped:
        return tr("The printer %1 stopped the page%2.").arg(named, because(status));
    case State::Aborted:
        return tr("The printer %1 could not print the page%2.").arg(named, because(status));
    case State::Cancelled:
        return tr("The page was cancelled on the printer %1.").arg(named);
    case State::Held:
        return tr("The printer %1 holds the page%2.").arg(named, because(status));
    case State::Pending:
        if (!status.queueStopped)
            return std::nullopt;
        if (status.queueReasons.contains(QStringLiteral("paused")))
            return tr("The printer %1 is paused: the page waits in its queue.").arg(named);
        return tr("The printer %1 has stopped: the page waits in its queue.").arg(named);
    case State::Unknown:
    case State::Processing:
    case State::Completed:
        break;
    }
    return std::nullopt;
}

std::optional<QString> QueueJobFollower::waiting(const QString& printer, const QueueJobStatus& status)
{
    using State = QueueJobStatus::State;
    if (status.state != State::Pending && status.state != State::Processing)
        return std::nullopt;
    QStringList reasons = status.queueReasons.split(QLatin1Char(','), Qt::SkipEmptyParts);
    reasons.removeAll(QStringLiteral("none"));
    if (reasons.isEmpty() && status.queueMessage.isEmpty())
        return std::nullopt;
    QString why = status.queueMessage;
    if (!reasons.isEmpty())
        why += (why.isEmpty() ? QString() : QStringLiteral(" ")) + QLatin1Char('(')
            + reasons.join(QStringLiteral(", ")) + QLatin1Char(')');
    return tr("The printer \"%1\" has not printed the page yet: %2").arg(printer, why);
}

void QueueJobFollower::check()
{
    if (!m_job)
        return;
    const QueueJob job = *m_job;
    const QueueJobStatus status = m_source(job);
    if (const std::optional<QString> message = problem(job.queue, status)) {
        m_timer.stop();
        m_job.reset();
        Q_EMIT failed(*message);
        Q_EMIT finished();
        return;
    }
    if (status.state == QueueJobStatus::State::Completed) {
        const bool saidToWait = !m_delay.isEmpty();
        if (saidToWait)
            Q_EMIT printed(tr("The printer \"%1\" has printed the page.").arg(job.queue));
        stop();
        return;
    }
    if (m_clock.hasExpired(kWaitMs)) {
        if (const std::optional<QString> message = waiting(job.queue, status);
            message && *message != m_delay) {
            m_delay = *message;
            m_timer.setInterval(kWaitPollMs);
            Q_EMIT delayed(m_delay);
        }
    }
    // A job still going on at the limit is left to the printer: a real one takes its time. One the
    // user was told waits is followed longer, so that the news that it printed comes too.
    if (m_clock.hasExpired(m_delay.isEmpty() ? kLimitMs : kWaitLimitMs))
        stop();
}
