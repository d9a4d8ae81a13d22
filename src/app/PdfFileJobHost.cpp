#include "app/PdfFileJobHost.h"

#include "app/PdfSheetFile.h"
#include "print/sheets/SheetLayout.h"

PdfFileJobHost::PdfFileJobHost(QString path, const PaperFormat& paper)
    : m_path(std::move(path))
    , m_paper(paper)
{ }

SheetFormat PdfFileJobHost::sheetFormat()
{
    return SheetFormat { m_paper, ScaleFactors() };
}

std::unique_ptr<PrintSurface> PdfFileJobHost::openSurface(const SheetRequest& request)
{
    return openSheetDocument(request, [this, paper = request.format.paper](const std::vector<Page>& sheets) {
        pdfsheetfile::write(m_path, paper, sheets, m_writeError);
        m_written = true;
    });
}
