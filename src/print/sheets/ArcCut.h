#pragma once

#include "print/page/Page.h"
#include "print/sheets/InkExtents.h"

#include <optional>
#include <vector>

/// An arc is a piece of its circle's strip: the marks and numbers from its first mark to its last,
/// where they stand on the whole strip, with half a long division of blank strip beyond each end.
namespace arccut {

/// Whether the strip is an arc rather than the whole circle.
bool isArc(const StripGeometry& strip);

/// The whole strip's x moved into the arc, wrapping one strip length past its right end where the
/// arc does; nothing when it lies outside the arc [from, to] by more than the tolerance.
std::optional<double> within(double x, const StripGeometry& strip, double from, double to);

/// The ops the arc keeps, x still as drawn (unwrapped where the arc runs past the strip's end):
/// the marks within it, the numbers on its long marks, the lines and boxes along it cut to its
/// blank ends.
std::vector<PageOp> keep(const std::vector<PageOp>& ops, const StripGeometry& strip, const InkExtents& ink);

/// The arc as a strip of its own: its row moved so that its blank end starts where the strip did,
/// with its cut outline (edges and a cut line across each end), and its geometry: its first mark
/// the left end, its length rounded up to whole long divisions, its lead and tail the blank ends.
struct Strip {
    std::vector<PageOp> ops;
    StripGeometry strip;
};
Strip cut(const std::vector<PageOp>& ops, const StripGeometry& strip, const InkExtents& ink);

/// The geometry cut() gives the arc, for deciding on splitting before the row is cut.
StripGeometry geometry(const StripGeometry& strip);

/// Whether the strip's pieces are named by an arc's own printed readings.
bool readsAsArc(const StripGeometry& strip);
/// A piece of an arc from `fromUnits` to `toUnits` of the strip's unit past the arc's first mark,
/// named by the numbers printed there: "90°-60°" on a falling altitude arc.
QString rangeLabel(const StripGeometry& strip, double fromUnits, double toUnits);

} // namespace arccut
