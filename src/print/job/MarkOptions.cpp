#include "print/job/MarkOptions.h"

#include "common/Numeric.h"

#include <QCoreApplication>
#include <cmath>

namespace markoptions {

namespace {

constexpr double kDegreeHalves = 720;
constexpr double kHourHalves = 288; // every 5 minutes
constexpr double kHourStep = 2.5; // 10 minutes of the hours strip
constexpr double kFullCircle = 360;
constexpr double kNoise = 1e-9;

} // namespace

qint16 halfMarkHeight(qint16 heightSmall)
{
    // 6 times a whole number is even: there is never a half to round.
    return numeric::toInt16(6.0 * heightSmall / 10);
}

std::optional<QString> halfMarkRefusal(double printedMm, const StripSize& size, bool hours)
{
    const double halves = hours ? kHourHalves : kDegreeHalves;
    const double factor = printedMm / size.sizeMm; // the printer's correction
    const auto fits = [&](double sizeMm) { return sizeMm * factor / halves >= kClosestHalfMarksMm - kNoise; };
    if (fits(size.sizeMm))
        return std::nullopt;
    // The entry's millimetres of strip; rounded up to a tenth that the job's own arithmetic accepts.
    const double perEntry = size.sizeMm / size.entry;
    double tenths = std::ceil(kClosestHalfMarksMm * halves / factor / perEntry * 10 - kNoise);
    while (!fits(tenths / 10 * perEntry))
        tenths += 1;
    return (size.diameter
            ? QCoreApplication::translate("PrintJob", "Half-degree marks need a diameter of at least %1 %2.")
            : QCoreApplication::translate("PrintJob", "Half-degree marks need a length of at least %1 %2."))
        .arg(numeric::generalForm(tenths / 10), size.units);
}

double zeroStep(bool hours, double smallestMark)
{
    return hours ? kHourStep : smallestMark;
}

std::optional<QString> zeroAtRefusal(std::optional<double> zero, double step)
{
    if (zero && *zero >= 0 && *zero < kFullCircle) {
        const double steps = *zero / step;
        if (std::abs(steps - std::round(steps)) < kNoise)
            return std::nullopt;
    }
    return QCoreApplication::translate("PrintJob", "Zero at must be 0 to %1 degrees in steps of %2.")
        .arg(numeric::generalForm(kFullCircle - step), numeric::generalForm(step));
}

ScaleNumbers turnedNumbers(const ScaleNumbers& table, double start)
{
    if (start == 0 || table.size() < 2)
        return table;
    const auto n = static_cast<long>(table.size()) - 1;
    const bool split = table.front() != table.back();
    // The circle's numbers by long division from its zero, the seam's whole.
    ScaleNumbers circle(table.begin(), table.end() - 1);
    circle[0] = split ? static_cast<qint16>(table.back() * 10 + table.front()) : table.front();
    const auto at = [&](long division) { return circle[static_cast<std::size_t>((division % n + n) % n)]; };
    const auto first = static_cast<long>(std::floor(start));
    ScaleNumbers turned;
    if (start != static_cast<double>(first)) {
        for (long division = first + 1; division <= first + n; ++division)
            turned.push_back(at(division));
        return turned;
    }
    const qint16 seam = at(first);
    turned.push_back(split ? static_cast<qint16>(seam % 10) : seam);
    for (long division = first + 1; division < first + n; ++division)
        turned.push_back(at(division));
    turned.push_back(split ? static_cast<qint16>(seam / 10) : seam);
    return turned;
}

double numberOffset(double start)
{
    const double first = std::floor(start);
    return start == first ? 0 : first + 1 - start;
}

} // namespace markoptions
