#include "print/job/ArcRange.h"

#include "common/Numeric.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {

constexpr double kNoise = 1e-9;
constexpr double kFullCircle = 360;
constexpr double kHours = 24;
constexpr double kQuarter = 90;

bool hours(ArcCircle circle)
{
    return circle == ArcCircle::Hours;
}

double lowest(ArcCircle circle)
{
    return circle == ArcCircle::Declination ? -kQuarter : 0;
}

double highest(ArcCircle circle)
{
    switch (circle) {
    case ArcCircle::Altitude:
    case ArcCircle::Declination:
        return kQuarter;
    case ArcCircle::Hours:
        return kHours;
    case ArcCircle::AzimuthUp:
    case ArcCircle::AzimuthDown:
        break;
    }
    return kFullCircle;
}

QString rangeRefusal(ArcCircle circle, double step)
{
    if (hours(circle))
        return QCoreApplication::translate(
            "PrintJob", "Arc from and to must be 0 to 24 hours in steps of 10 minutes.");
    return QCoreApplication::translate("PrintJob", "Arc from and to must be %1 to %2 degrees in steps of %3.")
        .arg(numeric::generalForm(lowest(circle)), numeric::generalForm(highest(circle)),
            numeric::generalForm(step));
}

bool onMark(double value, double step)
{
    const double steps = value / step;
    return std::abs(steps - std::round(steps)) < kNoise * std::max(1.0, std::abs(steps));
}

// Where the altitude numbers run without turning: rising from 0 to 90 in the strip's second quarter
// (signed: from -90 to 90 in its second half), falling in its third (signed: its first half).
ArcRange altitudeArc(double from, double to, bool signedNumbers)
{
    ArcRange arc { from, to, 0, std::abs(to - from), from < to ? 1.0 : -1.0, 0 };
    if (signedNumbers)
        arc.start = from < to ? 270 + from : kQuarter - from;
    else
        arc.start = from < to ? kQuarter + from : 270 - from;
    return arc;
}

ArcRange roundArc(double from, double to, ArcCircle circle)
{
    // Degrees of the strip per unit of the circle's numbers, and the way they run.
    const double perUnit = hours(circle) ? kFullCircle / kHours : 1;
    const bool down = circle == ArcCircle::AzimuthDown;
    const double a = from * perUnit;
    const double b = to * perUnit;
    ArcRange arc { from, to, 0, 0, down ? -1.0 : 1.0, hours(circle) ? kHours : kFullCircle };
    arc.start = std::fmod(down ? kFullCircle - a : a, kFullCircle);
    arc.span = std::fmod(down ? a - b + 2 * kFullCircle : b - a + 2 * kFullCircle, kFullCircle);
    return arc;
}

} // namespace

namespace arcrange {

Reading read(const QString& fromText, const QString& toText, ArcCircle circle, double step)
{
    const bool noFrom = fromText.trimmed().isEmpty();
    const bool noTo = toText.trimmed().isEmpty();
    if (noFrom && noTo)
        return WholeCircle {};
    if (noFrom || noTo)
        return QCoreApplication::translate(
            "PrintJob", "Arc from and to need a value each, or none for the whole circle.");
    const std::optional<double> from = numeric::parseDecimal(fromText);
    const std::optional<double> to = numeric::parseDecimal(toText);
    if (!from || !to)
        return QCoreApplication::translate("PrintJob", "Arc from and to must be numeric.");
    for (const double value : { *from, *to }) {
        if (value < lowest(circle) - kNoise || value > highest(circle) + kNoise || !onMark(value, step))
            return rangeRefusal(circle, step);
    }
    const bool altitude = circle == ArcCircle::Altitude || circle == ArcCircle::Declination;
    const ArcRange arc
        = altitude ? altitudeArc(*from, *to, circle == ArcCircle::Declination) : roundArc(*from, *to, circle);
    if (arc.span < kNoise)
        return QCoreApplication::translate("PrintJob", "Arc from and to must be different marks.");
    return arc;
}

QString readingText(double value, ArcCircle circle)
{
    return numeric::generalForm(value) + (hours(circle) ? QStringLiteral("h") : QStringLiteral("\u00B0"));
}

} // namespace arcrange
