#pragma once

#include "print/job/ScaleDrawing.h"

/// Azimuth numbers at the 10-degree marks: 0, 10, ..., 350, 0 when they increase from left to
/// right, 0, 350, ..., 10, 0 when they decrease.
ScaleNumbers azimuthNumbers(bool increasing);
/// RA hours at the hour marks: 0, 1, ..., 23 and 0 again at the right end.
ScaleNumbers raNumbers();
/// The hour angle at the same marks, the other way: 0, 23, 22, ..., 1 and 0 again.
ScaleNumbers hourAngleNumbers();

/// Draws the graduation of one azimuth strip of 360 degrees at the cursor, LengthTw long.
PagePosition DrawAzimuthScale(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const ScaleNumbers& numbers);
/// Draws the graduation of one RA strip of 24 hours (marks every 10 minutes, half hour and hour).
PagePosition DrawRaScale(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const ScaleNumbers& numbers);
