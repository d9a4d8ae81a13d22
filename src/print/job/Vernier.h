#pragma once

#include "print/job/PagePosition.h"
#include "print/job/StripInputs.h"

#include <QString>

/// A direct vernier for a strip: 10 divisions spanning 9 of the strip's smallest ones, 0.9 of its
/// spacing apart, so that its n-th mark meets a strip mark when its zero index stands n tenths of a
/// division past the strip mark before it. Twips.
struct Vernier {
    static constexpr int kDivisions = 10;
    /// Its zero index, from the printable area's left: room for the number centred on it.
    static constexpr double kLeft = 400;

    double division = 0; ///< 0.9 of the strip's smallest spacing
    QString reading; ///< what one division reads: "0.1°", "0.5°", "1 min"

    double length() const { return kDivisions * division; }
};

/// Draws the vernier at the cursor in the strip's layout, ink, pens and heights: the zero index as
/// long as the strip's long marks, the 5 and 10 as its middle marks, the others as its small marks,
/// the numbers 0, 5 and 10 centred on their marks as the strip centres its own (in a smaller size
/// where the strip's would touch one another), and its reading after them. Returns the cursor as a strip's
/// drawing does: lower by HeightTen in the top layout.
PagePosition drawVernier(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const Vernier& vernier);

/// How far the vernier's numbers and reading reach past its last mark, in the strip's font.
double vernierTail(PrintSurface& surface, const StripInputs& inputs, const Vernier& vernier);
