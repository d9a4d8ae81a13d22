#include "app/window/PrinterJobHost.h"

#include "app/output/CurrentSheets.h"
#include "print/printers/Printer.h"
#include "print/printers/QueueJobFollower.h"
#include "print/sheets/SheetLayout.h"

PrinterJobHost::PrinterJobHost(PrinterSystem& printers, PrinterScales& scales, QueueJobFollower& queueJob)
    : m_printers(printers)
    , m_scales(scales)
    , m_queueJob(queueJob)
{ }

JobSheets PrinterJobHost::sheets()
{
    return JobSheets::read([this] { return currentSheetFormat(m_printers, m_scales); });
}

std::unique_ptr<PrintSurface> PrinterJobHost::open(const SheetRequest& request)
{
    Printer& printer = m_printers.current();
    return openSheetDocument(request, [this, &printer](const std::vector<Page>& sheets) {
        printer.printSheets(sheets);
        if (const std::optional<QueueJob> job = printer.lastJob())
            m_queueJob.follow(*job);
    });
}
