#include "print/surface/QueuePrinter.h"

#include "common/RuntimeError.h"
#include "print/surface/PrinterError.h"

#include <QPrinterInfo>

namespace {

qint16 duplexCode(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexNone:
        return printer_codes::kSimplex;
    case QPrinter::DuplexAuto:
    case QPrinter::DuplexLongSide:
        return printer_codes::kDuplexLongEdge;
    case QPrinter::DuplexShortSide:
        return printer_codes::kDuplexShortEdge;
    }
    return printer_codes::kSimplex;
}

QPrinter::DuplexMode duplexMode(qint16 code)
{
    switch (code) {
    case printer_codes::kDuplexLongEdge:
        return QPrinter::DuplexLongSide;
    case printer_codes::kDuplexShortEdge:
        return QPrinter::DuplexShortSide;
    default:
        return QPrinter::DuplexNone;
    }
}

} // namespace

QueuePrinter::QueuePrinter(const QString& queueName)
    : m_name(queueName)
    , m_duplex(printer_codes::kSimplex)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(queueName);
    if (!info.isNull()) {
        m_duplex = duplexCode(info.defaultDuplexMode());
        m_supportedDuplex = info.supportedDuplexModes();
    }
}

QString QueuePrinter::driverName() const
{
    return QStringLiteral("CUPS");
}

QString QueuePrinter::port() const
{
    return QStringLiteral("CUPS:") + m_name;
}

void QueuePrinter::setDuplex(qint16 duplex)
{
    if (duplex < printer_codes::kSimplex || duplex > printer_codes::kDuplexShortEdge)
        throw RuntimeError::invalidPropertyValue();
    const QPrinter::DuplexMode mode = duplexMode(duplex);
    const bool supported = m_supportedDuplex.isEmpty() || mode == QPrinter::DuplexNone
        || m_supportedDuplex.contains(mode)
        || (mode == QPrinter::DuplexLongSide && m_supportedDuplex.contains(QPrinter::DuplexAuto));
    if (!supported)
        throw RuntimeError::invalidPropertyValue();
    m_duplex = duplex;
}

std::unique_ptr<QPrinter> QueuePrinter::createPrinter() const
{
    // Looked up afresh: the queue may have been removed, or the print server stopped, since the
    // printer was listed.
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_name);
    if (info.isNull())
        throw printerError();
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        throw printerError();
    printer->setDuplex(duplexMode(m_duplex));
    printer->setCopyCount(copies());
    return printer;
}
