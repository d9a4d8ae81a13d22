#pragma once

#include "print/job/JobMode.h"
#include "print/job/JobSettings.h"
#include "print/sheets/SheetFormat.h"

/// Whether a split strip really prints at a length: the job's page drawn and laid out on the sheets
/// as the job itself would, so that what overhangs a segment (numbers, a second row of them, the
/// closing tab, verniers) counts and no formula's reserve is trusted.
namespace splittrial {

/// lengthTw: the strip's length as drawn; size gives everything else the page says of it.
bool prints(const JobSettings& settings, const JobMode& mode, StripSize size, const SheetRequest& request,
    double lengthTw);

} // namespace splittrial
