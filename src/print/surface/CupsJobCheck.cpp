#include "print/surface/CupsJobCheck.h"

#include "print/surface/PrinterError.h"

#include <cups/cups.h>

void CupsJobCheck::beforeJob(const QString& queueName)
{
    const QByteArray name = queueName.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = queueName.section(QLatin1Char('/'), 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(
        CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (dest == nullptr)
        throw printerError();
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting != nullptr && qstrcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    if (refuses || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw printerError();
}

void CupsJobCheck::afterJob()
{
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw printerError();
}
