#pragma once

#include "print/page/RecordingSurface.h"
#include "print/page/TextMetrics.h"
#include "print/printers/Printer.h"

#include <memory>

/// A document of one sheet on the printer, drawn as it is recorded and printed when it is ended:
/// the printer alone, without the sheet layout of a job.
inline std::unique_ptr<PrintSurface> openSurface(Printer& printer)
{
    return std::make_unique<RecordingSurface>(printer.paper().width, std::make_shared<FontTextMetrics>(),
        [&printer](const Page& page) { printer.printSheets({ page }); });
}
