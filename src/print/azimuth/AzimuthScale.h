#pragma once

#include "print/job/JobHost.h"
#include "print/job/ScaleNumbers.h"
#include "print/job/StripInputs.h"

/// Azimuth numbers at the 10-degree marks, indices 1 to 37: 0, 10, ..., 350, 0 when they increase
/// from left to right, 0, 350, ..., 10, 0 when they decrease.
ScaleNumbers azimuthNumbers(bool increasing);
/// RA hours, indices 0 to 23; hour 0 stands at both ends of the strip.
ScaleNumbers raNumbers();

/// Draws the graduation of one azimuth strip of 360 degrees at (printX, printY), LengthTw long.
void DrawAzimuthScale(
    PrintSurface& surface, PagePosition& position, const StripInputs& inputs, const ScaleNumbers& numbers);
/// Draws the graduation of one RA strip of 24 hours (marks every 10 minutes, half hour and hour).
void DrawRaScale(
    PrintSurface& surface, PagePosition& position, const StripInputs& inputs, const ScaleNumbers& numbers);
