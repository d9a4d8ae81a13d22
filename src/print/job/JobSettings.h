#pragma once

#include "print/job/ArcRange.h"
#include "settings/SettingsModel.h"

#include <QString>
#include <array>
#include <optional>

/// One circle set as a print job reads it: whether it prints, its layout, and its five slider
/// values (pen widths in dots, CircleWidth in twips, font size in points).
struct CircleSetSettings {
    bool enabled = false;
    bool topLayout = false; ///< marks hang from the row top; otherwise they stand on a bottom line
    std::array<qint32, 5> sliders {};

    qint32 slider(Slider kind) const { return sliders[static_cast<std::size_t>(kind)]; }
};

/// Everything a print job reads of the window, taken when its button is pressed; the job never
/// looks at the window's settings again while it runs.
struct JobSettings {
    QString size; ///< the size box as typed
    bool millimetres = false; ///< otherwise inches
    bool length = false; ///< the size is the strip length; otherwise the axis diameter
    double smallestMark = 1; ///< degrees
    bool blackOnWhite = false;
    bool whiteOnBlack = false;
    bool azimuthDegrees = true; ///< the azimuth job's Az option; otherwise it prints RA hours
    bool azimuthIncreasing = true; ///< the azimuth numbers grow from left to right
    bool scaleCheck = false; ///< the page carries the scale check bars
    bool splitLongStrips = false; ///< a strip longer than the printable width is printed in segments
    bool verniers = false; ///< every strip is followed by its vernier
    bool bothWays = false; ///< azimuth and RA strips carry a second number row the other way
    bool rings = false; ///< every strip is printed bent into a flat ring
    bool halfDegree = false; ///< marks between the degree marks (box checked, whatever the graduation)
    bool signedDeclination = false; ///< altitude numbers below its 0s carry a minus sign
    bool closingTab = false; ///< a strip ends with its first long division again, to join over
    bool ringFromCentre = false; ///< a ring's texts read from its centre, not from outside it
    std::optional<double> zeroAt; ///< the reading the strips start at, degrees; nothing: not a number
    std::array<CircleSetSettings, kCircleSets> sets {};
    /// "Arc from" and "Arc to" read on the job's circle: the whole circle, the arc, or why neither.
    arcrange::Reading arc;

    /// The settings of a job sized from that box, with its unit and sense options. A check box
    /// counts as checked only with the value 1 (a grayed box prints nothing).
    static JobSettings read(const SettingsModel& model, SizeText sizeText);
};
