#include "print/surface/Printer.h"

#include "print/surface/RecordingSurface.h"
#include "print/surface/TextMetrics.h"

std::unique_ptr<PrintSurface> Printer::openSurface()
{
    return std::make_unique<RecordingSurface>(paper().width, std::make_shared<FontTextMetrics>(),
        [this](const Page& page) { printSheets({ page }); });
}
