#pragma once

#include "print/page/PrintSurface.h"

#include <QtGlobal>
#include <vector>

/// The numbers along a strip's long marks, left to right, as the 16-bit items the page prints.
using ScaleNumbers = std::vector<qint16>;

/// Everything one strip's graduation needs besides its position: length (twips) and ink, the
/// finest graduation (degrees), the layout, and the circle set's pen widths (dots), mark heights
/// (twips) and font size (points), and the numbers of a second row counting the other way, if any.
struct StripInputs {
    double lengthTw = 0;
    Rgb markColor = kBlack;
    double smallestMark = 1;
    bool topLayout = true; ///< marks hang from the row top; otherwise they stand on a bottom line
    qint32 smallMark = 1;
    qint32 fiveMark = 1;
    qint32 tenMark = 1;
    qint16 heightSmall = 0;
    qint16 heightFive = 0;
    qint16 heightTen = 0;
    qint16 fontSize = 10;
    ScaleNumbers otherWay; ///< empty: no second row
    qint16 otherWayFontSize = 0;
    qint16 heightHalf = 0; ///< marks halfway between the small ones, with their pen; 0: none
    /// Where the circle's zero stands left of the strip's left end, twips: every mark moves left by
    /// it, modulo the length, and the mark at the left end is repeated at the right end.
    double shift = 0;
    /// The first number's distance from the left end, in long divisions. Past 0 no number stands
    /// at an end and every one is centred on its mark.
    double numbersOffset = 0;
};
