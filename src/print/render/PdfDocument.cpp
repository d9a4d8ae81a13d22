#include "print/render/PdfDocument.h"

#include "common/PrinterError.h"
#include "print/render/PageRenderer.h"
#include "print/render/PdfPrintScaling.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The writer's own resolution, finer than the pens' dots so that every pen is whole dots of it.
constexpr int kWriterDotsPerInch = 1200;

} // namespace

QString documentTitle()
{
    return QStringLiteral("Vennaros setting circles");
}

QByteArray pdfDocument(const std::vector<Page>& sheets, const PaperFormat& paper)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        // The writer draws nothing into a device it has to open itself.
        if (!buffer.open(QIODevice::WriteOnly))
            throw printerError();
        QPdfWriter writer(&buffer);
        writer.setResolution(kWriterDotsPerInch);
        writer.setTitle(documentTitle());
        writer.setCreator(QStringLiteral("Vennaros " VENNAROS_VERSION));
        if (!writer.setPageLayout(paper.pageLayout()))
            throw printerError();
        QPainter painter;
        if (!painter.begin(&writer))
            throw printerError();
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            if (i > 0 && !writer.newPage())
                throw printerError();
            PageRenderer(painter, writer.resolution()).draw(sheets[i]);
        }
        if (!painter.end())
            throw printerError();
    }
    return withoutPrintScaling(bytes);
}
