#include "print/job/ScaleDrawing.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

const QString kNumberFont = QStringLiteral("Arial");
constexpr qint32 kMiddleNumberOffset = -50;

struct FamilyPen {
    qint32 width;
    qint16 height;
};

std::array<FamilyPen, 3> pens(const StripInputs& inputs)
{
    return { { { inputs.smallMark, inputs.heightSmall }, { inputs.fiveMark, inputs.heightFive },
        { inputs.tenMark, inputs.heightTen } } };
}

// Marks of every family from its top to top + its height; top is a function of that height.
template <typename Top>
void drawFamilies(PrintSurface& surface, PagePosition cursor, const StripInputs& inputs,
    const Graduation& graduation, Top top)
{
    const std::array<FamilyPen, 3> familyPens = pens(inputs);
    for (std::size_t i = 0; i < familyPens.size(); ++i) {
        const MarkFamily& family = graduation.families[i];
        const FamilyPen& pen = familyPens[i];
        surface.setDrawWidth(numeric::checkedInt16(pen.width));
        const auto y = static_cast<float>(top(pen.height));
        double x = cursor.printX + family.firstOffset;
        for (int mark = 0; mark < family.count; ++mark) {
            surface.line(LineFlags::Stroke, static_cast<float>(x), y, 0.0f, static_cast<float>(pen.height),
                inputs.markColor);
            x += family.spacing;
        }
    }
}

void printNumbers(
    PrintSurface& surface, PagePosition cursor, const Graduation& graduation, const ScaleNumbers& numbers)
{
    const double spacing = graduation.families.back().spacing;
    double x = cursor.printX;
    const std::size_t last = numbers.size() - 1;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const qint16 value = numbers[i];
        // The digits alone are measured; Print adds a blank on either side.
        const double w = surface.textWidth(QString::number(value));
        // Rounded to a whole twip before the offset, so the offset never shifts a half.
        qint32 left;
        if (i == 0)
            left = numeric::checkedAdd(numeric::toInt32(x - w), graduation.firstNumberOffset);
        else if (i == last)
            left = numeric::checkedAdd(numeric::toInt32(x - w), graduation.lastNumberOffset);
        else
            left = numeric::checkedAdd(numeric::toInt32(x - w / 2), kMiddleNumberOffset);
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
        printNumbers(surface, cursor, graduation, numbers);
    if (!inputs.otherWay.empty()) {
        setNumberFont(surface, inputs.otherWayFontSize);
        printNumbers(surface, otherWay, graduation, inputs.otherWay);
        setNumberFont(surface, inputs.fontSize);
    }
    // Rows below move down by the second row; the bottom layout's numbers start at its row top.
    if (inputs.topLayout)
        cursor.printY = numeric::checkedAdd(cursor.printY, otherWayHeight);
    else
        cursor.printY = numeric::checkedAdd(otherWay.printY, otherWayHeight);
    return cursor;
}
