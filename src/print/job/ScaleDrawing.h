#pragma once

#include "print/job/PagePosition.h"
#include "print/job/StripInputs.h"

#include <array>
#include <vector>

/// One family of marks: the first mark's distance from the strip's left end, the spacing (twips;
/// the running x grows by repeated addition) and how many marks.
struct MarkFamily {
    double firstOffset = 0;
    double spacing = 0;
    int count = 0;
};

/// What sets one kind of scale apart: its small, middle and long mark families, drawn in that
/// order with the circle set's pens and heights, and where its two end numbers stand from their
/// long marks. The numbers stand at the long marks, from the strip's left end on.
struct Graduation {
    std::array<MarkFamily, 3> families;
    qint32 firstNumberOffset = 0;
    qint32 lastNumberOffset = 0;
};

/// How many marks a loop over the degrees 1, 1 + step, 1 + 2 step, ... up to 360 draws.
/// A step that is not a positive number, or one so fine that the count leaves 16 bits, throws.
int degreeMarkCount(double step);

/// Draws one strip's marks and numbers at the cursor in the inputs' layout and returns the cursor:
/// lower by HeightTen after the top layout, unchanged after the bottom layout. The surface is left
/// with the long marks' pen and the numbers' font. The bottom layout lifts its marks by the text
/// height of the first number.
/// A second number row, when the inputs have one, stands under the first in the top layout and over
/// it in the bottom layout, at the same long marks, and the cursor is left lower by its height.
PagePosition drawScale(PrintSurface& surface, PagePosition cursor, const StripInputs& inputs,
    const Graduation& graduation, const ScaleNumbers& numbers);

/// The height of the inputs' second number row, to the nearest twip; 0 without one. Leaves the
/// surface in that row's font.
qint32 otherWayRowHeight(PrintSurface& surface, const StripInputs& inputs);

/// The font the numbers of a strip are printed in.
void setNumberFont(PrintSurface& surface, qint16 points);
