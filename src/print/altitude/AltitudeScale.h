#pragma once

#include "print/job/JobHost.h"
#include "print/job/ScaleNumbers.h"
#include "print/job/StripInputs.h"

/// The altitude numbers at the 10-degree marks: 0 at the left end, 90 in the middle, 0 at the
/// quarters, and a lone 9 at the right end, which with the left 0 reads 90 where the ends meet.
ScaleNumbers altitudeNumbers();

/// Draws the graduation of one altitude strip of 360 degrees at (printX, printY), LengthTw long.
void DrawAltitudeScale(
    PrintSurface& surface, PagePosition& position, const StripInputs& inputs, const ScaleNumbers& numbers);
