#pragma once

#include "print/job/PagePosition.h"
#include "print/job/StripInputs.h"
#include "print/page/PageUnits.h"

#include <QString>

/// Degrees captions name the smallest mark; hours captions name the marks by their time.
enum class CaptionStyle { Degrees, Hours };

using ScaleDrawer = PagePosition (*)(PrintSurface&, PagePosition, const StripInputs&, const ScaleNumbers&);

/// What a job prints, fixed once the printer has been chosen.
struct JobMode {
    QString circleLabel; ///< starts messages and the caption line
    QString captionLabel; ///< starts the caption line instead, when not empty
    QString cardText; ///< the index cards' text
    QString progress; ///< the status text while printing
    CaptionStyle caption = CaptionStyle::Degrees;
    ScaleNumbers numbers;
    ScaleNumbers otherWay; ///< the second row's numbers; none where the scale reads both ways already
    ScaleDrawer draw = nullptr;
};

/// The size box as a job read it: one decision for unit, minimum, messages and caption.
struct StripSize {
    double entry = 0; ///< as typed, in its own unit and sense
    bool inches = false;
    double sizeMm = 0; ///< strip length
    qint16 minSize = 0; ///< smallest entry, in the entry's unit and sense
    bool diameter = false;
    bool ring = false; ///< bent into a flat ring: its circumference takes the true pi
    QString units;

    double lengthTw() const { return sizeMm * kTwipsPerMm; }
};
