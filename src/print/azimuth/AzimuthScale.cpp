#include "print/azimuth/AzimuthScale.h"

namespace {
constexpr int kTenDegreeMarks = 37;
constexpr int kHours = 24;
constexpr qint32 kFirstNumberOffset = 75;
constexpr qint32 kLastAzimuthOffset = -25;
constexpr qint32 kLastRaOffset = -40;
} // namespace

ScaleNumbers azimuthNumbers(bool increasing)
{
    ScaleNumbers numbers { 0 };
    for (int mark = 1; mark < kTenDegreeMarks - 1; ++mark)
        numbers.push_back(static_cast<qint16>(10 * (increasing ? mark : kTenDegreeMarks - 1 - mark)));
    numbers.push_back(0);
    return numbers;
}

ScaleNumbers raNumbers()
{
    ScaleNumbers numbers;
    for (int hour = 0; hour < kHours; ++hour)
        numbers.push_back(static_cast<qint16>(hour));
    numbers.push_back(0);
    return numbers;
}

ScaleNumbers hourAngleNumbers()
{
    ScaleNumbers numbers { 0 };
    for (int hour = kHours - 1; hour > 0; --hour)
        numbers.push_back(static_cast<qint16>(hour));
    numbers.push_back(0);
    return numbers;
}

PagePosition DrawAzimuthScale(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const ScaleNumbers& numbers)
{
    const double length = inputs.lengthTw;
    const Graduation graduation {
        { {
            { 0, length * inputs.smallestMark / 360, degreeMarkCount(inputs.smallestMark) },
            { length / 72, 2 * length / 72, 36 },
            { 0, length / 36, kTenDegreeMarks },
        } },
        kFirstNumberOffset, kLastAzimuthOffset
    };
    return drawScale(surface, cursor, inputs, graduation, numbers);
}

PagePosition DrawRaScale(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const ScaleNumbers& numbers)
{
    const double length = inputs.lengthTw;
    const Graduation graduation { { {
                                      { 0, length / 144, 144 },
                                      { length / 48, length / 48, 47 },
                                      { 0, length / kHours, kHours + 1 },
                                  } },
        kFirstNumberOffset, kLastRaOffset };
    return drawScale(surface, cursor, inputs, graduation, numbers);
}
