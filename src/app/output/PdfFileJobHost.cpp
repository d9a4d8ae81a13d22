#include "app/output/PdfFileJobHost.h"

#include "common/RuntimeError.h"
#include "print/sheets/SheetLayout.h"

PdfFileJobHost::PdfFileJobHost(
    const QString& path, PageOrientation orientation, const std::optional<QPageSize>& paper)
{
    m_printer.setOutputFileName(path);
    m_printer.setOrientation(orientation);
    if (paper)
        m_printer.setPaper(*paper);
}

JobSheets PdfFileJobHost::sheets()
{
    return JobSheets::read([this] { return SheetFormat { m_printer.paper(), ScaleFactors() }; });
}

std::unique_ptr<PrintSurface> PdfFileJobHost::open(const SheetRequest& request)
{
    return openSheetDocument(request, [this](const std::vector<Page>& sheets) {
        try {
            m_printer.printSheets(sheets);
        } catch (const RuntimeError& error) {
            m_writeError = error.description();
            throw;
        }
        m_written = true;
        m_numbersFit = sheets.empty() ? 0 : sheets.front().numbersFit;
    });
}
