#include "print/job/SplitTrial.h"

#include "print/job/JobPage.h"
#include "print/page/PageUnits.h"
#include "print/page/RecordingSurface.h"
#include "print/page/TextMetrics.h"
#include "print/sheets/SheetLayout.h"

#include <exception>
#include <memory>

namespace splittrial {

bool prints(const JobSettings& settings, const JobMode& mode, StripSize size, const SheetRequest& request,
    double lengthTw)
{
    size.sizeMm = lengthTw / kTwipsPerMm;
    auto metrics = std::make_shared<FontTextMetrics>();
    try {
        RecordingSurface surface(request.format.paper.width, metrics,
            [&request, &metrics](const Page& page) { layOutSheets(page, request, *metrics); });
        JobPage(settings, mode, size, request.format).draw(surface);
    } catch (const std::exception&) {
        return false; // a segment that cannot hold two long divisions, or a page that overflows
    }
    return true;
}

} // namespace splittrial
