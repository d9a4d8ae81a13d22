#include "print/azimuth/AzimuthScale.h"

#include "print/job/ScaleDrawing.h"

namespace {
constexpr int kLastAzimuthNumber = 37;
constexpr int kHours = 24;
constexpr qint32 kLastAzimuthOffset = -25;
constexpr qint32 kLastRaOffset = -40;
} // namespace

ScaleNumbers azimuthNumbers(bool increasing)
{
    ScaleNumbers numbers;
    numbers.set(1, 0);
    for (int i = 2; i < kLastAzimuthNumber; ++i)
        numbers.set(i, static_cast<qint16>(increasing ? 10 * (i - 1) : 10 * (37 - i)));
    numbers.set(kLastAzimuthNumber, 0);
    return numbers;
}

ScaleNumbers raNumbers()
{
    ScaleNumbers numbers;
    for (int hour = 0; hour < kHours; ++hour)
        numbers.set(hour, static_cast<qint16>(hour));
    return numbers;
}

void DrawAzimuthScale(
    PrintSurface& surface, PagePosition& position, const StripInputs& inputs, const ScaleNumbers& numbers)
{
    const double length = inputs.lengthTw;
    const double x = position.printX;
    const double tenSpacing = length / 36;
    const std::array<MarkFamily, 3> families { {
        { x, length * inputs.smallestMark / 360, degreeMarkCount(inputs.smallestMark), inputs.smallMark,
            inputs.heightSmall },
        { x + length / 72, 2 * length / 72, 36, inputs.fiveMark, inputs.heightFive },
        { x, tenSpacing, 37, inputs.tenMark, inputs.heightTen },
    } };

    NumberRow row;
    for (int i = 1; i <= kLastAzimuthNumber; ++i)
        row.values.push_back(numbers.at(i));
    row.spacing = tenSpacing;
    row.lastOffset = kLastAzimuthOffset;
    drawScale(surface, position, inputs, families, row, numbers.at(1));
}

void DrawRaScale(
    PrintSurface& surface, PagePosition& position, const StripInputs& inputs, const ScaleNumbers& numbers)
{
    const double length = inputs.lengthTw;
    const double x = position.printX;
    const double hourSpacing = length / 24;
    const std::array<MarkFamily, 3> families { {
        { x, length / 144, 144, inputs.smallMark, inputs.heightSmall },
        { x + length / 48, length / 48, 47, inputs.fiveMark, inputs.heightFive },
        { x, hourSpacing, 25, inputs.tenMark, inputs.heightTen },
    } };

    NumberRow row;
    for (int hour = 0; hour < kHours; ++hour)
        row.values.push_back(numbers.at(hour));
    row.values.push_back(numbers.at(0));
    row.spacing = hourSpacing;
    row.lastOffset = kLastRaOffset;
    drawScale(surface, position, inputs, families, row, numbers.at(1));
}
