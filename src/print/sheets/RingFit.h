#pragma once

#include "print/sheets/SheetFormat.h"

#include <QRectF>
#include <array>
#include <vector>

/// What of a ring fits a sheet: whole when it fits the printable area, otherwise in equal annular
/// sectors of whole long divisions. Twips as drawn, before the printer's correction.
namespace ringfit {

/// A sector's cut line reaches this far past the ring.
constexpr double kCutOverhang = 150;
/// Sectors pointing up, or lying on their side.
constexpr std::array<double, 2> kOrientations = { 0, 90 };

/// The largest outer diameter of a ring printed whole.
double largestWhole(const SheetFormat& format);
/// The largest outer diameter a ring of these long divisions can be printed in sectors for.
double largestSplit(int divisions, const SheetFormat& format);

/// The largest outer diameter of a ring whose arc of `sweep` degrees, with half of one of its long
/// divisions beyond each end, fits a sheet upright or on its side.
double largestArc(double sweep, int divisions, const SheetFormat& format);

/// The printable width right of the strips' left edge.
double usableWidth(const SheetFormat& format);
/// Whether a piece of this extent fits a sheet.
bool fits(const QRectF& box, const SheetFormat& format);
/// Where a sector of k long divisions (of `divisions`) reaches, with its overlap, its cut line and its
/// labels `labelDepth` inside its inner edge, the sector's middle at `orientation`.
QRectF sectorBounds(double outer, double depth, double labelDepth, int divisions, int k, double orientation);
/// The numbers of equal sectors a ring of these long divisions can be cut in, fewest first.
std::vector<int> sectorCounts(int divisions);

} // namespace ringfit
