#include "print/altitude/AltitudeScale.h"

#include <cstdlib>

namespace {
constexpr int kTenDegreeMarks = 37;
constexpr qint32 kFirstNumberOffset = 75;
constexpr qint32 kLastNumberOffset = -25;
} // namespace

ScaleNumbers altitudeNumbers(bool signedDeclination)
{
    ScaleNumbers numbers { 0 };
    for (int mark = 1; mark < kTenDegreeMarks - 1; ++mark) {
        const int degrees = mark * 10;
        const auto number = static_cast<qint16>(std::abs(90 - degrees % 180));
        // The half of the circle around its middle 90 is the other side of the equator.
        const bool south = signedDeclination && degrees > 90 && degrees < 270;
        numbers.push_back(south ? static_cast<qint16>(-number) : number);
    }
    numbers.push_back(9);
    return numbers;
}

PagePosition DrawAltitudeScale(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const ScaleNumbers& numbers)
{
    const double length = inputs.lengthTw;
    const double fiveSpacing = length / 72;
    const Graduation graduation {
        { {
            { 0, length / 360 * inputs.smallestMark, degreeMarkCount(inputs.smallestMark) },
            { fiveSpacing, 2 * fiveSpacing, 36 },
            { 0, length / 36, kTenDegreeMarks },
        } },
        kFirstNumberOffset, kLastNumberOffset
    };
    return drawScale(surface, cursor, inputs, graduation, numbers);
}
