#include "print/job/Vernier.h"

#include "common/Numeric.h"
#include "print/job/ScaleDrawing.h"

#include <array>

namespace {

constexpr qint32 kNumberOffset = -50; // as the strips' middle numbers
constexpr double kReadingGap = 100; // from the last number to the reading
constexpr double kNumberGap = 40; // kept free between two numbers of the vernier
constexpr qint16 kSmallestPoints = 4;

struct Family {
    std::array<int, 8> marks;
    int count;
};

// Small marks, then the 5 and 10, then the zero index over them all.
const Family kFamilies[] = {
    { { 1, 2, 3, 4, 6, 7, 8, 9 }, 8 },
    { { 5, 10 }, 2 },
    { { 0 }, 1 },
};
const qint16 kNumbers[] = { 0, 5, 10 };

qint32 numberLeft(PrintSurface& surface, double x, qint16 number)
{
    const double w = surface.textWidth(QString::number(number));
    return numeric::checkedAdd(numeric::toInt32(x - w / 2), kNumberOffset);
}

double markX(const Vernier& vernier, int mark)
{
    return Vernier::kLeft + mark * vernier.division;
}

// Left in the numbers' font.
double readingLeft(PrintSurface& surface, const Vernier& vernier)
{
    const qint16 last = kNumbers[std::size(kNumbers) - 1];
    return numberLeft(surface, markX(vernier, Vernier::kDivisions), last)
        + surface.textWidth(QStringLiteral(" %1 ").arg(last)) + kReadingGap;
}

// The strip's font size, or a smaller one where "5" and "10" would touch on a fine vernier.
qint16 numberPoints(PrintSurface& surface, const StripInputs& inputs, const Vernier& vernier)
{
    qint16 points = inputs.fontSize;
    for (; points > kSmallestPoints; --points) {
        setNumberFont(surface, points);
        const double halves
            = (surface.textWidth(QStringLiteral("5")) + surface.textWidth(QStringLiteral("10"))) / 2;
        if (halves + kNumberGap <= 5 * vernier.division)
            break;
    }
    setNumberFont(surface, points);
    return points;
}

} // namespace

double vernierTail(PrintSurface& surface, const StripInputs& inputs, const Vernier& vernier)
{
    numberPoints(surface, inputs, vernier);
    const double left = readingLeft(surface, vernier);
    setNumberFont(surface, inputs.fontSize);
    return left + surface.textWidth(vernier.reading) - markX(vernier, Vernier::kDivisions);
}

PagePosition drawVernier(
    PrintSurface& surface, PagePosition cursor, const StripInputs& inputs, const Vernier& vernier)
{
    const qint32 widths[] = { inputs.smallMark, inputs.fiveMark, inputs.tenMark };
    const qint16 heights[] = { inputs.heightSmall, inputs.heightFive, inputs.heightTen };
    const qint32 rowTop = cursor.printY;
    qint32 numbersTop = rowTop;
    qint32 bottom = 0; // the marks' common bottom line in the bottom layout
    const qint16 points = numberPoints(surface, inputs, vernier);
    if (inputs.topLayout) {
        numbersTop = numeric::checkedAdd(rowTop, inputs.heightTen);
    } else {
        bottom = numeric::checkedAdd(
            numeric::toInt32(rowTop + surface.textHeight(QStringLiteral("0"))), inputs.heightTen);
    }
    for (std::size_t f = 0; f < std::size(kFamilies); ++f) {
        surface.setDrawWidth(numeric::checkedInt16(widths[f]));
        const float top = static_cast<float>(inputs.topLayout ? rowTop : bottom - heights[f]);
        for (int i = 0; i < kFamilies[f].count; ++i)
            surface.line(LineFlags::Stroke, static_cast<float>(markX(vernier, kFamilies[f].marks[i])), top,
                0.0f, static_cast<float>(heights[f]), inputs.markColor);
    }
    setNumberFont(surface, points);
    for (const qint16 number : kNumbers) {
        surface.setCurrentX(static_cast<float>(numberLeft(surface, markX(vernier, number), number)));
        surface.setCurrentY(static_cast<float>(numbersTop));
        surface.print(number);
    }
    const double reading = readingLeft(surface, vernier);
    setNumberFont(surface, inputs.fontSize);
    surface.setCurrentX(static_cast<float>(reading));
    surface.setCurrentY(static_cast<float>(numbersTop));
    surface.print(vernier.reading);
    cursor.printY = inputs.topLayout ? numbersTop : rowTop;
    return cursor;
}
