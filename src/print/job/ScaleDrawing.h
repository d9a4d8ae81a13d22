#pragma once

#include "print/job/JobHost.h"
#include "print/job/StripInputs.h"

#include <array>
#include <vector>

/// One family of marks of a scale: the first mark's x and the spacing (twips, the running x grows
/// by repeated addition), how many marks, their pen width (dots) and length (twips).
struct MarkFamily {
    double firstX = 0;
    double spacing = 0;
    int count = 0;
    qint32 penWidth = 1;
    qint16 height = 0;
};

/// The numbers along the long marks, left to right, their spacing in twips and the offset of the
/// last number's left edge (the first and the middle ones are placed alike on every scale).
struct NumberRow {
    std::vector<qint16> values;
    double spacing = 0;
    qint32 lastOffset = 0;
};

/// How many marks a loop over the degrees 1, 1 + step, 1 + 2 step, ... up to 360 draws.
/// A step that is not a positive number, or one so fine that the count leaves 16 bits, throws.
int degreeMarkCount(double step);

/// Draws one strip's marks (families in the given order) and numbers at (printX, printY) in the
/// inputs' layout. The top layout leaves printY lower by HeightTen, the bottom layout leaves it
/// unchanged; the surface is left with DrawWidth of the last family and the numbers' font.
/// heightSample is the number whose text height lifts the marks in the bottom layout.
void drawScale(PrintSurface& surface, PagePosition& position, const StripInputs& inputs,
    const std::array<MarkFamily, 3>& families, const NumberRow& row, qint16 heightSample);
