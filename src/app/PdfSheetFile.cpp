#include "app/PdfSheetFile.h"

#include "app/ProgramInfo.h"
#include "print/surface/PageRenderer.h"
#include "print/surface/PrinterError.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace pdfsheetfile {

namespace {
constexpr int kResolution = 1200; // as the built-in PDF printer writes
} // namespace

void write(const QString& path, const PaperFormat& paper, const std::vector<Page>& sheets, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        throw printerError();
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(programinfo::name());
        writer.setResolution(kResolution);
        if (!writer.setPageLayout(paper.pageLayout())) {
            reason = QStringLiteral("the paper does not fit its margins");
            throw printerError();
        }
        QPainter painter;
        if (!painter.begin(&writer)) {
            reason = QStringLiteral("the PDF writer could not start");
            throw printerError();
        }
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            if (i > 0)
                writer.newPage();
            PageRenderer(painter, writer.resolution()).draw(sheets[i]);
        }
        painter.end();
    }
    // The writer reports no failed write (a full disk): the file says it, and commit checks it.
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        reason = file.errorString();
        throw printerError();
    }
}

} // namespace pdfsheetfile
