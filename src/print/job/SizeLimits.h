#pragma once

#include "print/sheets/SheetFormat.h"

#include <QString>
#include <functional>

/// What the size refusals of a print job state: a longest length that does print, and the way out
/// when not even the smallest size fits the sheets. Lengths in twips as drawn.
namespace sizelimits {

/// The longest length, in millimetres or inches and rounded down to a tenth, whose strip `fits`
/// accepts; maximumTw is where to start looking (the longest strip that fits, unrounded).
double longestStated(double maximumTw, bool inches, const std::function<bool(double lengthTw)>& fits);

/// The refusal for a job whose smallest size (minSize, a diameter or a length in units) is longer
/// than the sheets take: what it needs and what would give the room.
QString noSizeFits(const QString& circleLabel, qint16 minSize, const QString& units, bool diameter,
    const SheetFormat& format, bool split);

} // namespace sizelimits
