#include "print/surface/DevicePrinter.h"

#include "common/RuntimeError.h"
#include "print/surface/CupsJobCheck.h"
#include "print/surface/PageRenderer.h"
#include "print/surface/PrinterError.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace {

// The PDF writer doesn't report failed writes (a full disk); a complete file ends with its
// end-of-file marker.
void checkOutputFile(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    QFile file(printer.outputFileName());
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        throw printerError();
    file.seek(file.size() - 16);
    if (!file.read(16).contains("%%EOF"))
        throw printerError();
}

} // namespace

void DevicePrinter::setCopies(qint16 copies)
{
    if (copies < 1)
        throw RuntimeError::invalidPropertyValue();
    m_copies = copies;
}

std::unique_ptr<QPrinter> DevicePrinter::preparedPrinter() const
{
    std::unique_ptr<QPrinter> printer = createPrinter();
    if (printer == nullptr)
        throw printerError();
    printer->setPageOrientation(
        m_orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setFullPage(false);
    const PaperFormat paper = PaperFormat::of(printer->pageLayout());
    printer->setPageMargins(paper.margins / kTwipsPerPoint, QPageLayout::Point);
    return printer;
}

PaperFormat DevicePrinter::paper() const
{
    return PaperFormat::of(preparedPrinter()->pageLayout());
}

void DevicePrinter::printSheets(const std::vector<Page>& sheets)
{
    std::unique_ptr<QPrinter> printer = preparedPrinter();
    const bool queue = printer->outputFormat() == QPrinter::NativeFormat;
    if (queue)
        CupsJobCheck::beforeJob(printer->printerName());
    QPainter painter;
    // Fails when the PDF file can't be created.
    if (!painter.begin(printer.get()))
        throw printerError();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !printer->newPage())
            throw printerError();
        PageRenderer(painter, printer->resolution()).draw(sheets[i]);
    }
    const bool ended = painter.end();
    if (!ended || printer->printerState() == QPrinter::Error)
        throw printerError();
    if (queue)
        CupsJobCheck::afterJob();
    checkOutputFile(*printer);
}
