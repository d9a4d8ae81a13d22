#include "print/printers/DevicePrinter.h"

#include "common/RuntimeError.h"

void DevicePrinter::setCopies(qint16 copies)
{
    if (copies < 1)
        throw RuntimeError::invalidPropertyValue();
    m_copies = copies;
}

PaperFormat DevicePrinter::paper() const
{
    if (!m_paperSize)
        m_paperSize = defaultPaperSize();
    return PaperFormat::of(*m_paperSize, m_orientation);
}

void DevicePrinter::setPaper(const QPageSize& size)
{
    // Checked the way every document will use it, so a bad size is refused here and not later.
    try {
        PaperFormat::of(size, m_orientation);
    } catch (const RuntimeError&) {
        throw RuntimeError::invalidPropertyValue();
    }
    m_paperSize = size;
}
