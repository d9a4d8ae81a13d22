#pragma once

#include "print/job/JobMode.h"
#include "print/job/StripInputs.h"

#include <QString>
#include <optional>

/// The page options that change a strip's graduation: marks at every half of its smallest step,
/// and the reading its left end starts at.
namespace markoptions {

/// Half marks stand no closer than this on the printed strip.
constexpr double kClosestHalfMarksMm = 0.5;

/// 0.6 of the small marks' height, to the nearest twip.
qint16 halfMarkHeight(qint16 heightSmall);

/// Why the half marks of a strip `printedMm` long as printed would stand too close, naming the
/// smallest size in the entry's unit and sense that takes them; nothing when they fit. Hours
/// strips halve their 10 minutes, degree strips their degree.
std::optional<QString> halfMarkRefusal(double printedMm, const StripSize& size, bool hours);

/// The step a strip's zero reading goes in, degrees: its smallest mark, 10 minutes on hours.
double zeroStep(bool hours, double smallestMark);

/// Why a zero reading (degrees; nothing when not a number) can't start a strip: not from 0 up to
/// 360 in steps of `step`. Nothing when it can.
std::optional<QString> zeroAtRefusal(std::optional<double> zero, double step);

/// A strip's numbers when its left end is `start` long divisions past the circle's zero. The table
/// holds them from a zero at the left end, both ends included; two different end numbers are one
/// number split across the seam (its tens at the right end, the 0 at the left), and stay so
/// wherever the seam falls. Where the ends fall between long marks, there are no end numbers: the
/// numbers start at the next long mark, numberOffset() divisions from the left end.
ScaleNumbers turnedNumbers(const ScaleNumbers& table, double start);
double numberOffset(double start);

} // namespace markoptions
