#pragma once

#include "print/page/Page.h"
#include "print/sheets/InkExtents.h"

#include <vector>

/// A strip wrapped round its axis has one more joint than its segments: where its end meets its
/// start. The closing tab carries the strip's first long division again after its end, so that end
/// lies over start mark over mark, like any other joint.
namespace closingtab {

/// The strip as printed with its tab: one long division longer.
StripGeometry withTab(StripGeometry strip);

/// The strip's row (x as drawn, y from the row's top) with the tab: the marks and numbers of the
/// first long division again, one strip length on, and the lines and boxes along the strip
/// lengthened over it. Nothing of the strip itself moves.
std::vector<PageOp> extend(const std::vector<PageOp>& ops, const StripGeometry& strip, const InkExtents& ink);

} // namespace closingtab
