#pragma once

#include "print/job/ScaleDrawing.h"

/// The altitude numbers at the 10-degree marks: 0 at the left end, 90 in the middle, 0 at the
/// quarters, and a lone 9 at the right end, which with the left 0 reads 90 where the ends meet.
/// Signed, as declination: negative between the two 0s around the middle, from -10 to -90 to -10.
ScaleNumbers altitudeNumbers(bool signedDeclination = false);

/// Draws the graduation of one altitude strip of 360 degrees at the cursor, LengthTw long.
PagePosition DrawAltitudeScale(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const ScaleNumbers& numbers);
