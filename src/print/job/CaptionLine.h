#pragma once

#include "print/job/StripInputs.h"

#include <QString>
#include <optional>

/// The caption line of one circle set: the parameters its strips were printed with, and what the
/// page options added to them.
struct CaptionLine {
    QString circleLabel; ///< "Altitude", "Azimuth", "RA"
    bool hours = false; ///< the marks are named by their time, not by their degrees
    double length = 0; ///< the strip's length in the job's unit
    QString units;
    std::optional<QString> vernier; ///< what one vernier division reads
    std::optional<double> printerScale; ///< the printer's correction along the strip

    /// With the set's pens, heights and font size, and "numbers both ways" for a second row.
    QString text(const StripInputs& set) const;
};
