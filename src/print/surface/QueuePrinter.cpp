#include "print/surface/QueuePrinter.h"

#include "common/RuntimeError.h"
#include "print/surface/PrinterError.h"
#include "print/surface/QtDuplex.h"

#include <QPrinterInfo>

QueuePrinter::QueuePrinter(const QString& queueName)
    : m_name(queueName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(queueName);
    if (!info.isNull()) {
        // A queue whose default is "automatic" prints both sides by default, turned as a book.
        m_duplex = fromQtDuplex(info.defaultDuplexMode()).value_or(Duplex::LongEdge);
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

void QueuePrinter::setDuplex(Duplex duplex)
{
    const QPrinter::DuplexMode mode = toQtDuplex(duplex);
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
    printer->setDuplex(toQtDuplex(m_duplex));
    printer->setCopyCount(copies());
    return printer;
}
