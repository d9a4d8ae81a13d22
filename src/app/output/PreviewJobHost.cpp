#include "app/output/PreviewJobHost.h"

#include "app/output/CurrentSheets.h"
#include "print/sheets/SheetLayout.h"

PreviewJobHost::PreviewJobHost(PrinterSystem& printers, PrinterScales& scales)
    : m_printers(printers)
    , m_scales(scales)
{ }

JobSheets PreviewJobHost::sheets()
{
    return JobSheets::read([this] { return currentSheetFormat(m_printers, m_scales); });
}

std::unique_ptr<PrintSurface> PreviewJobHost::open(const SheetRequest& request)
{
    return openSheetDocument(request, [this, paper = request.format.paper](const std::vector<Page>& sheets) {
        m_sheets = sheets;
        m_paper = paper;
        m_ended = true;
    });
}
