#include "print/surface/DevicePrinter.h"

#include "common/RuntimeError.h"
#include "print/surface/PrinterSurface.h"

#include <QPrinter>

void DevicePrinter::setCopies(qint16 copies)
{
    if (copies < 1)
        throw RuntimeError::invalidPropertyValue();
    m_copies = copies;
}

std::unique_ptr<PrintSurface> DevicePrinter::openSurface()
{
    std::unique_ptr<QPrinter> printer = createPrinter();
    printer->setPageOrientation(
        m_orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return std::make_unique<PrinterSurface>(std::move(printer));
}
