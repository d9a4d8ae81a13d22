#include "print/job/ScaleDrawing.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QString kNumberFont = QStringLiteral("Arial");
constexpr qint32 kMiddleNumberOffset = -50;

struct FamilyPen {
    qint32 width;
    qint16 height;
};

struct DrawnFamily {
    MarkFamily family;
    FamilyPen pen;
};

// Small, half (when asked for), middle and long, in drawing order.
std::vector<DrawnFamily> drawnFamilies(const StripInputs& inputs, const Graduation& graduation)
{
    const MarkFamily& small = graduation.families[0];
    std::vector<DrawnFamily> drawn { { small, { inputs.smallMark, inputs.heightSmall } } };
    if (inputs.heightHalf > 0)
        drawn.push_back({ { small.firstOffset + small.spacing / 2, small.spacing, small.count },
            { inputs.smallMark, inputs.heightHalf } });
    drawn.push_back({ graduation.families[1], { inputs.fiveMark, inputs.heightFive } });
    drawn.push_back({ graduation.families[2], { inputs.tenMark, inputs.heightTen } });
    return drawn;
}

// The family's marks from the left end on a strip whose zero stands `shift` left of it: each one
// moved left by it, those before the left end wrapped round to the right, and a mark at the left
// end repeated at the right end, where the strip meets it.
std::vector<double> shiftedOffsets(const MarkFamily& family, double length, double shift)
{
    const double tolerance = length * 1e-9;
    std::vector<double> offsets;
    for (int mark = 0; mark < family.count; ++mark) {
        double at = family.firstOffset + mark * family.spacing;
        if (at > length - tolerance)
            continue; // the right end: the left end's mark again
        at -= shift;
        if (at < -tolerance)
            at += length;
        offsets.push_back(std::abs(at) < tolerance ? 0 : at);
    }
    std::sort(offsets.begin(), offsets.end());
    if (!offsets.empty() && offsets.front() == 0)
        offsets.push_back(length);
    return offsets;
}

// Marks of every family from its top to top + its height; top is a function of that height.
template <typename Top>
void drawFamilies(PrintSurface& surface, PagePosition cursor, const StripInputs& inputs,
    const Graduation& graduation, Top top)
{
    for (const auto& [family, pen] : drawnFamilies(inputs, graduation)) {
        surface.setDrawWidth(numeric::checkedInt16(pen.width));
        const auto y = static_cast<float>(top(pen.height));
        const auto mark = [&](double x) {
            surface.line(LineFlags::Stroke, static_cast<float>(x), y, 0.0f, static_cast<float>(pen.height),
                inputs.markColor);
        };
        if (inputs.shift != 0) {
            for (const double offset : shiftedOffsets(family, inputs.lengthTw, inputs.shift))
                mark(cursor.printX + offset);
            continue;
        }
        double x = cursor.printX + family.firstOffset;
        for (int i = 0; i < family.count; ++i) {
            mark(x);
            x += family.spacing;
        }
    }
}

void printNumbers(PrintSurface& surface, PagePosition cursor, const Graduation& graduation,
    const ScaleNumbers& numbers, double offset)
{
    const double spacing = graduation.families.back().spacing;
    double x = cursor.printX + offset * spacing;
    // Past the left end, the numbers stand between the ends and none is an end's.
    const bool ends = offset == 0;
    const std::size_t last = numbers.size() - 1;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const qint16 value = numbers[i];
        // The digits alone are measured; Print adds a blank on either side.
        const QString text = QString::number(value);
        const double w = surface.textWidth(text);
        // Rounded to a whole twip before the offset, so the offset never shifts a half.
        qint32 left;
        if (ends && i == 0) {
            // Its first digit where a lone one stands: a longer number stays on the strip.
            left = numeric::checkedAdd(
                numeric::toInt32(x - surface.textWidth(text.left(1))), graduation.firstNumberOffset);
        } else if (ends && i == last) {
            left = numeric::checkedAdd(numeric::toInt32(x - w), graduation.lastNumberOffset);
        } else {
            left = numeric::checkedAdd(numeric::toInt32(x - w / 2), kMiddleNumberOffset);
        }
        surface.setCurrentX(static_cast<float>(left));
        surface.setCurrentY(static_cast<float>(cursor.printY));
        surface.print(value);
        if (i != last)
            x += spacing;
    }
}

} // namespace

void setNumberFont(PrintSurface& surface, qint16 points)
{
    surface.setFontName(kNumberFont);
    surface.setFontSize(points);
}

qint32 otherWayRowHeight(PrintSurface& surface, const StripInputs& inputs)
{
    if (inputs.otherWay.empty())
        return 0;
    setNumberFont(surface, inputs.otherWayFontSize);
    return numeric::toInt32(surface.textHeight(QString::number(inputs.otherWay.front())));
}

int degreeMarkCount(double step)
{
    if (!(step > 0.0) || !std::isfinite(step))
        throw RuntimeError::invalidPropertyValue();
    int count = 0;
    for (double degree = 1; degree <= 360; degree += step) {
        if (++count > std::numeric_limits<qint16>::max())
            throw RuntimeError::overflow();
    }
    return count;
}

PagePosition drawScale(PrintSurface& surface, PagePosition cursor, const StripInputs& inputs,
    const Graduation& graduation, const ScaleNumbers& numbers)
{
    const QString firstText = QString::number(numbers.empty() ? 0 : numbers.front());
    PagePosition otherWay = cursor; // where the second row's top is
    qint32 otherWayHeight = 0;
    if (inputs.topLayout) {
        drawFamilies(surface, cursor, inputs, graduation, [&](qint16) { return cursor.printY; });
        setNumberFont(surface, inputs.fontSize);
        cursor.printY = numeric::checkedAdd(cursor.printY, inputs.heightTen);
        if (!inputs.otherWay.empty()) {
            const qint32 firstHeight = numeric::toInt32(surface.textHeight(firstText));
            otherWay.printY = numeric::checkedAdd(cursor.printY, firstHeight);
            otherWayHeight = otherWayRowHeight(surface, inputs);
            setNumberFont(surface, inputs.fontSize);
        }
    } else {
        // Over the first row, which moves down by it together with the marks.
        otherWayHeight = otherWayRowHeight(surface, inputs);
        setNumberFont(surface, inputs.fontSize);
        // The row top is kept in 16 bits: a row further down than 32767 twips is an overflow.
        const qint16 rowTop = numeric::checkedInt16(cursor.printY);
        cursor.printY = numeric::checkedAdd(cursor.printY, otherWayHeight);
        const double textHeight = surface.textHeight(firstText);
        const qint32 bottom
            = numeric::checkedAdd(numeric::toInt32(cursor.printY + textHeight), inputs.heightTen);
        drawFamilies(surface, cursor, inputs, graduation,
            [bottom](qint16 height) { return numeric::checkedAdd(bottom, -height); });
        otherWay.printY = rowTop;
    }
    if (!numbers.empty())
        printNumbers(surface, cursor, graduation, numbers, inputs.numbersOffset);
    if (!inputs.otherWay.empty()) {
        setNumberFont(surface, inputs.otherWayFontSize);
        printNumbers(surface, otherWay, graduation, inputs.otherWay, inputs.numbersOffset);
        setNumberFont(surface, inputs.fontSize);
    }
    // Rows below move down by the second row; the bottom layout's numbers start at its row top.
    if (inputs.topLayout)
        cursor.printY = numeric::checkedAdd(cursor.printY, otherWayHeight);
    else
        cursor.printY = numeric::checkedAdd(otherWay.printY, otherWayHeight);
    return cursor;
}
