#include "print/altitude/AltitudeScale.h"

#include "print/job/ScaleDrawing.h"

#include <cstdlib>

namespace {
constexpr int kLastNumber = 37;
constexpr qint32 kLastNumberOffset = -25;
} // namespace

ScaleNumbers altitudeNumbers()
{
    ScaleNumbers numbers;
    numbers.set(1, 0);
    for (int k = 2; k < kLastNumber; ++k) {
        const int degrees = (k - 1) * 10;
        numbers.set(k, static_cast<qint16>(std::abs(90 - degrees % 180)));
    }
    numbers.set(kLastNumber, 9);
    return numbers;
}

void DrawAltitudeScale(
    PrintSurface& surface, PagePosition& position, const StripInputs& inputs, const ScaleNumbers& numbers)
{
    const double length = inputs.lengthTw;
    const double smallSpacing = length / 360 * inputs.smallestMark;
    const double fiveSpacing = length / 72;
    const double tenSpacing = length / 36;
    const std::array<MarkFamily, 3> families { {
        { static_cast<double>(position.printX), smallSpacing, degreeMarkCount(inputs.smallestMark),
            inputs.smallMark, inputs.heightSmall },
        { position.printX + fiveSpacing, 2 * fiveSpacing, 36, inputs.fiveMark, inputs.heightFive },
        { static_cast<double>(position.printX), tenSpacing, 37, inputs.tenMark, inputs.heightTen },
    } };

    NumberRow row;
    for (int k = 1; k <= kLastNumber; ++k)
        row.values.push_back(numbers.at(k));
    row.spacing = tenSpacing;
    row.lastOffset = kLastNumberOffset;
    drawScale(surface, position, inputs, families, row, numbers.at(1));
}
