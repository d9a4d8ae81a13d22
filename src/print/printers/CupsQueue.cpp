#include "print/printers/CupsQueue.h"

#include "common/PrinterError.h"

#include <QStringList>
#include <cups/cups.h>

namespace {

// The job's document goes to the server in pieces of this size.
constexpr qsizetype kChunk = 64 * 1024;

QByteArray printerUri(const QByteArray& printer)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
        printer.constData());
    return QByteArray(uri);
}

QString keywords(ipp_t* response, const char* name)
{
    QStringList values;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    for (int i = 0; attribute != nullptr && i < ippGetCount(attribute); ++i)
        values << QString::fromUtf8(ippGetString(attribute, i, nullptr));
    values.removeAll(QStringLiteral("none"));
    return values.join(QStringLiteral(", "));
}

/// One request to the server about the queue or one of its jobs: its answer, whether it granted the
/// request or not; nullptr when it did not answer.
ipp_t* send(ipp_op_t operation, const QByteArray& printer, int jobId, const std::vector<const char*>& wanted)
{
    ipp_t* request = ippNewRequest(operation);
    ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(printer).constData());
    if (jobId > 0)
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
        static_cast<int>(wanted.size()), nullptr, wanted.data());
    return cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
}

/// The same; nullptr also when the server refused it.
ipp_t* ask(ipp_op_t operation, const QByteArray& printer, int jobId, const std::vector<const char*>& wanted)
{
    ipp_t* response = send(operation, printer, jobId, wanted);
    if (response != nullptr && ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return nullptr;
    }
    return response;
}

QueueJobStatus::State stateOf(int ippState)
{
    switch (ippState) {
    case IPP_JSTATE_PENDING:
        return QueueJobStatus::State::Pending;
    case IPP_JSTATE_HELD:
        return QueueJobStatus::State::Held;
    case IPP_JSTATE_PROCESSING:
        return QueueJobStatus::State::Processing;
    case IPP_JSTATE_STOPPED:
        return QueueJobStatus::State::Stopped;
    case IPP_JSTATE_CANCELED:
        return QueueJobStatus::State::Cancelled;
    case IPP_JSTATE_ABORTED:
        return QueueJobStatus::State::Aborted;
    case IPP_JSTATE_COMPLETED:
        return QueueJobStatus::State::Completed;
    default:
        return QueueJobStatus::State::Unknown;
    }
}

} // namespace

CupsQueue::CupsQueue(QString name)
    : m_name(std::move(name))
    , m_printer(m_name.section(QLatin1Char('/'), 0, 0).toUtf8())
    , m_instance(m_name.section(QLatin1Char('/'), 1).toUtf8())
{ }

int CupsQueue::submit(const QByteArray& pdf, const QString& title, const Options& options) const
{
    // The queue's defaults as lp would take them: the instance's options and the user's.
    cups_dest_t* dest = cupsGetNamedDest(
        CUPS_HTTP_DEFAULT, m_printer.constData(), m_instance.isEmpty() ? nullptr : m_instance.constData());
    if (dest == nullptr)
        throw printerError();
    cups_option_t* jobOptions = nullptr;
    int count = 0;
    for (int i = 0; i < dest->num_options; ++i)
        count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &jobOptions);
    cupsFreeDests(1, dest);
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.constData(), value.constData(), count, &jobOptions);

    const QByteArray jobTitle = title.toUtf8();
    const int job
        = cupsCreateJob(CUPS_HTTP_DEFAULT, m_printer.constData(), jobTitle.constData(), count, jobOptions);
    cupsFreeOptions(count, jobOptions);
    if (job <= 0)
        throw printerError();

    bool sent = cupsStartDocument(
                    CUPS_HTTP_DEFAULT, m_printer.constData(), job, jobTitle.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    for (qsizetype at = 0; sent && at < pdf.size(); at += kChunk) {
        sent = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData() + at,
                   static_cast<size_t>(qMin(kChunk, pdf.size() - at)))
            == HTTP_STATUS_CONTINUE;
    }
    // Finished in any case: the server waits for the end of the request otherwise.
    const ipp_status_t finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, m_printer.constData());
    if (!sent || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, m_printer.constData(), job, 0);
        throw printerError();
    }
    return job;
}

bool CupsQueue::isUnknownToTheServer() const
{
    // No answer at all is a server that can't be reached, which says nothing about the queue.
    ipp_t* response = send(IPP_OP_GET_PRINTER_ATTRIBUTES, m_printer, 0, { "printer-state" });
    if (response == nullptr)
        return false;
    const bool unknown = ippGetStatusCode(response) == IPP_STATUS_ERROR_NOT_FOUND;
    ippDelete(response);
    return unknown;
}

QueueJobStatus CupsQueue::status(int jobId) const
{
    QueueJobStatus status;
    if (ipp_t* job = ask(IPP_OP_GET_JOB_ATTRIBUTES, m_printer, jobId,
            { "job-state", "job-state-reasons", "job-printer-state-message" })) {
        status.state = stateOf(ippGetInteger(ippFindAttribute(job, "job-state", IPP_TAG_ENUM), 0));
        status.jobReasons = keywords(job, "job-state-reasons");
        status.jobMessage = QString::fromUtf8(
            ippGetString(ippFindAttribute(job, "job-printer-state-message", IPP_TAG_TEXT), 0, nullptr))
                                .trimmed();
        ippDelete(job);
    }
    if (ipp_t* queue = ask(IPP_OP_GET_PRINTER_ATTRIBUTES, m_printer, 0,
            { "printer-state", "printer-state-reasons", "printer-state-message" })) {
        status.queueStopped
            = ippGetInteger(ippFindAttribute(queue, "printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED;
        status.queueReasons = keywords(queue, "printer-state-reasons");
        status.queueMessage = QString::fromUtf8(
            ippGetString(ippFindAttribute(queue, "printer-state-message", IPP_TAG_TEXT), 0, nullptr))
                                  .trimmed();
        ippDelete(queue);
    }
    return status;
}
