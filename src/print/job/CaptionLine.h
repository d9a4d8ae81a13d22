#pragma once

#include "print/job/StripInputs.h"
#include "print/page/PrintSurface.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

/// The caption line of one circle set: the parameters its strips were printed with, and what the
/// page options added to them.
struct CaptionLine {
    QString circleLabel; ///< "Altitude", "Azimuth", "RA"
    bool hours = false; ///< the marks are named by their time, not by their degrees
    double length = 0; ///< the strip's length in the job's unit
    std::optional<double> ringDiameter; ///< printed as a ring: its outer diameter, in place of the length
    QString units;
    std::optional<QString> vernier; ///< what one vernier division reads
    std::optional<double> printerScale; ///< the printer's correction along the strip
    bool halfMarks = false; ///< marks between the degrees (5 minutes on hours)
    std::optional<QString> zeroAt; ///< the reading the strip starts at, with its unit
    std::optional<QString> arc; ///< an arc's end readings, "0°-90°"
    double arcLength = 0; ///< the arc's own length along the strip, in the job's unit

    /// With the set's pens, heights and font size, and "numbers both ways" for a second row.
    QString text(const StripInputs& set) const;

    /// The caption as the lines it is printed on: whole when it fits `width`, otherwise broken after
    /// the last ", " that fits, the ", " ending the line as ","; a part too long for any line stays
    /// whole on its own.
    static QStringList wrap(
        const QString& caption, double width, const std::function<double(const QString&)>& measure);
};

/// Prints a caption in the surface's current font with its top-left at (left, top), its further
/// lines one text height lower each, so that none reaches past `right`. Returns the bottom of its
/// last line.
float printCaption(PrintSurface& surface, float left, float top, double right, const QString& caption);
