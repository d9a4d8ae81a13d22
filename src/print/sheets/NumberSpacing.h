#pragma once

#include "print/page/Page.h"
#include "print/sheets/InkExtents.h"

#include <QString>
#include <optional>

/// Whether neighbouring numbers of a page's strips, or of the rings they are bent into, run into
/// each other at the font size they were drawn in. Each number keeps its place on its mark and
/// grows or shrinks with the font about its middle; on a ring, its place is on the circle through
/// the number's inner edge, where neighbours stand closest.
namespace numberspacing {

/// The largest whole font size at which no two neighbouring numbers of a row touch, when they do
/// at the drawn size; nothing when they don't.
std::optional<int> largestFittingFont(const Page& drawn, const InkExtents& ink, bool rings);

/// "Numbers touch: font size 7 or less fits".
QString warning(int points);

} // namespace numberspacing
