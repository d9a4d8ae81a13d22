#include "app/output/PreviewJobHost.h"

#include "app/output/CurrentSheets.h"
#include "print/printers/Printer.h"
#include "print/sheets/SheetLayout.h"

PreviewJobHost::PreviewJobHost(JobHost& window, PrinterSystem& printers, PrinterScales& scales)
    : m_window(window)
    , m_printers(printers)
    , m_scales(scales)
{ }

void PreviewJobHost::selectPrinter()
{
    m_printers.current();
}

SheetFormat PreviewJobHost::sheetFormat()
{
    return currentSheetFormat(m_printers, m_scales);
}

std::unique_ptr<PrintSurface> PreviewJobHost::openSurface(const SheetRequest& request)
{
    return openSheetDocument(request, [this, paper = request.format.paper](const std::vector<Page>& sheets) {
        m_sheets = sheets;
        m_paper = paper;
        m_ended = true;
    });
}
