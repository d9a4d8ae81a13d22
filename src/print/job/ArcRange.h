#pragma once

#include <QString>
#include <variant>

/// The circle an arc is read on, by how its numbers run along the strip.
enum class ArcCircle {
    Altitude, ///< 90 at the ends, 0 at the quarters, 90 at the middle
    Declination, ///< the same signed: +90 at the ends, -90 at the middle
    AzimuthUp, ///< 0 to 360 left to right
    AzimuthDown, ///< 360 to 0 left to right
    Hours ///< 0 to 24 h left to right
};

/// A part of a circle: the readings at its two end marks as typed, and where it lies on the
/// circle's whole strip, in degrees from the strip's left end (0 to 360) and the way the strip runs.
struct ArcRange {
    double from = 0;
    double to = 0;
    double start = 0; ///< the From mark, degrees of the whole strip from its left end
    double span = 0; ///< to the To mark, degrees, more than 0 and less than 360
    double rate = 1; ///< the readings' change per degree (hour on RA) along the strip: 1 or -1
    double wrap = 0; ///< where the readings start again from 0 (360, 24); 0: they do not
};

/// Both boxes empty: the whole circle.
struct WholeCircle { };

/// Reads "Arc from" and "Arc to" as the window and the command line take them: numbers in the
/// circle's own unit (degrees, hours), on a mark of the graduation `step` (degrees, or hours on RA),
/// within the circle's numbers, and different. Altitude arcs run where the numbers rise or fall
/// without turning; azimuth and RA arcs may wrap past 0. Gives the refusal's message otherwise.
namespace arcrange {

using Reading = std::variant<WholeCircle, ArcRange, QString>;

Reading read(const QString& from, const QString& to, ArcCircle circle, double step);

/// The reading as the caption and the messages write it: "0°", "18h".
QString readingText(double value, ArcCircle circle);

} // namespace arcrange
