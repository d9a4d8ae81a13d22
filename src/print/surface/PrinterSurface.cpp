#include "print/surface/PrinterSurface.h"

#include "print/surface/CupsJobCheck.h"
#include "print/surface/PageRenderer.h"
#include "print/surface/PrinterError.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

// Twips per unit of QPageSize::Unit, in the enum's order (Qt's own point factors times 20).
constexpr double kTwipsPerPageUnit[] = {
    kTwipsPerInch / 25.4, // Millimeter
    kTwipsPerPoint, // Point
    kTwipsPerInch, // Inch
    12.0 * kTwipsPerPoint, // Pica
    1.065826771 * kTwipsPerPoint, // Didot
    12.789921252 * kTwipsPerPoint, // Cicero
};

// Sets the printable area and returns the paper width; runs before the recording surface exists.
qint32 preparePrinter(QPrinter* printer)
{
    if (printer == nullptr)
        throw printerError();
    printer->setFullPage(false);
    QPageLayout layout = printer->pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF minimum = layout.minimumMargins();
    const double margin = PrinterSurface::kMarginTwips / kTwipsPerPoint;
    printer->setPageMargins(QMarginsF(qMax(margin, minimum.left()), qMax(margin, minimum.top()),
                                qMax(margin, minimum.right()), qMax(margin, minimum.bottom())),
        QPageLayout::Point);
    return PrinterSurface::paperWidth(printer->pageLayout());
}

} // namespace

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer)
    : RecordingSurface(preparePrinter(printer.get()), std::make_shared<FontTextMetrics>())
    , m_printer(std::move(printer))
{ }

PrinterSurface::~PrinterSurface() = default;

qint32 PrinterSurface::paperWidth(const QPageLayout& layout)
{
    const QPageSize size = layout.pageSize();
    const int unit = static_cast<int>(size.definitionUnits());
    if (!size.isValid() || unit < 0 || unit >= static_cast<int>(std::size(kTwipsPerPageUnit)))
        throw printerError();
    // The defined size, not fullRect(): that one is converted through points and misses A4 by a few
    // twips, and the jobs compare strip lengths with this width exactly.
    const QSizeF defined = size.definitionSize();
    const double across = layout.orientation() == QPageLayout::Landscape ? defined.height() : defined.width();
    const double twips = std::round(across * kTwipsPerPageUnit[unit]);
    if (!(twips > 0 && twips <= 1e9))
        throw printerError();
    return static_cast<qint32>(twips);
}

void PrinterSurface::deliver(const Page& page)
{
    const bool queue = m_printer->outputFormat() == QPrinter::NativeFormat;
    if (queue)
        CupsJobCheck::beforeJob(m_printer->printerName());
    QPainter painter;
    // Fails when the PDF file can't be created.
    if (!painter.begin(m_printer.get()))
        throw printerError();
    PageRenderer(painter, m_printer->resolution()).draw(page);
    const bool ended = painter.end();
    if (!ended || m_printer->printerState() == QPrinter::Error)
        throw printerError();
    if (queue)
        CupsJobCheck::afterJob();
    checkOutputFile();
}

// The PDF writer doesn't report failed writes (a full disk); a complete file ends with its
// end-of-file marker.
void PrinterSurface::checkOutputFile() const
{
    if (m_printer->outputFormat() != QPrinter::PdfFormat || m_printer->outputFileName().isEmpty())
        return;
    QFile file(m_printer->outputFileName());
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        throw printerError();
    file.seek(file.size() - 16);
    if (!file.read(16).contains("%%EOF"))
        throw printerError();
}
