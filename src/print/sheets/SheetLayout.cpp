#include "print/sheets/SheetLayout.h"

#include "print/surface/RecordingSurface.h"
#include "print/surface/TextMetrics.h"

std::vector<Page> layOutSheets(const Page& drawn, const SheetRequest&)
{
    return { drawn };
}

std::unique_ptr<PrintSurface> openSheetDocument(const SheetRequest& request, SheetSink sink)
{
    return std::make_unique<RecordingSurface>(request.format.paper.width, std::make_shared<FontTextMetrics>(),
        [request, sink = std::move(sink)](const Page& page) { sink(layOutSheets(page, request)); });
}
