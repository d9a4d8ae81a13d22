#include "print/printers/QueuePrinter.h"

#include "common/PrinterError.h"
#include "common/RuntimeError.h"
#include "print/printers/CupsQueue.h"
#include "print/printers/QtDuplex.h"
#include "print/render/PdfDocument.h"

#include <QPrinterInfo>

namespace {

// The media keyword of a paper size: its usual name, or its dimensions for a size of the user's.
QByteArray mediaName(const QPageSize& size)
{
    if (size.id() != QPageSize::Custom)
        return size.key().toUtf8();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return "Custom." + QByteArray::number(mm.width(), 'f', 2) + 'x' + QByteArray::number(mm.height(), 'f', 2)
        + "mm";
}

QByteArray sidesName(Duplex duplex)
{
    switch (duplex) {
    case Duplex::LongEdge:
        return "two-sided-long-edge";
    case Duplex::ShortEdge:
        return "two-sided-short-edge";
    case Duplex::Simplex:
        break;
    }
    return "one-sided";
}

} // namespace

QueuePrinter::QueuePrinter(const QString& queueName)
    : m_name(queueName)
{ }

QString QueuePrinter::driverName() const
{
    return QStringLiteral("CUPS");
}

QString QueuePrinter::port() const
{
    return QStringLiteral("CUPS:") + m_name;
}

const std::optional<QueuePrinter::Defaults>& QueuePrinter::defaults() const
{
    if (!m_defaults) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_name);
        if (!info.isNull() && info.defaultPageSize().isValid()) {
            // A queue whose default is "automatic" prints both sides by default, turned as a book.
            m_defaults = Defaults { info.defaultPageSize(),
                fromQtDuplex(info.defaultDuplexMode()).value_or(Duplex::LongEdge),
                info.supportedDuplexModes() };
        }
    }
    return m_defaults;
}

Duplex QueuePrinter::duplex() const
{
    if (m_duplex)
        return *m_duplex;
    return defaults() ? defaults()->duplex : Duplex::Simplex;
}

void QueuePrinter::setDuplex(Duplex duplex)
{
    const QPrinter::DuplexMode mode = toQtDuplex(duplex);
    const QList<QPrinter::DuplexMode> supported
        = defaults() ? defaults()->supportedDuplex : QList<QPrinter::DuplexMode>();
    const bool possible = supported.isEmpty() || mode == QPrinter::DuplexNone || supported.contains(mode)
        || (mode == QPrinter::DuplexLongSide && supported.contains(QPrinter::DuplexAuto));
    if (!possible)
        throw RuntimeError::invalidPropertyValue();
    m_duplex = duplex;
}

QPageSize QueuePrinter::defaultPaperSize() const
{
    if (!defaults())
        throw printerError();
    return defaults()->paperSize;
}

std::vector<std::pair<QByteArray, QByteArray>> QueuePrinter::jobOptions(const PaperFormat& paper) const
{
    // The page is drawn turned already: the queue puts it on the sheet as it is, at its size.
    return {
        { "media", mediaName(paper.size) },
        { "sides", sidesName(duplex()) },
        { "copies", QByteArray::number(copies()) },
        { "print-scaling", "none" },
        { "fit-to-page", "false" },
    };
}

void QueuePrinter::printSheets(const std::vector<Page>& sheets)
{
    m_lastJob.reset();
    const PaperFormat format = paper();
    const QByteArray pdf = pdfDocument(sheets, format);
    m_lastJob = QueueJob { m_name, CupsQueue(m_name).submit(pdf, documentTitle(), jobOptions(format)) };
}
