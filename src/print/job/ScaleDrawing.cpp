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

void setNumberFont(PrintSurface& surface, const StripInputs& inputs)
{
    surface.setFontName(kNumberFont);
    surface.setFontSize(inputs.fontSize);
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
    if (inputs.topLayout) {
        drawFamilies(surface, cursor, inputs, graduation, [&](qint16) { return cursor.printY; });
        setNumberFont(surface, inputs);
        cursor.printY = numeric::checkedAdd(cursor.printY, inputs.heightTen);
    } else {
        setNumberFont(surface, inputs);
        // The row top is kept in 16 bits: a row further down than 32767 twips is an overflow.
        const qint16 rowTop = numeric::checkedInt16(cursor.printY);
        const double textHeight = surface.textHeight(QString::number(numbers.empty() ? 0 : numbers.front()));
        const qint32 bottom
            = numeric::checkedAdd(numeric::toInt32(cursor.printY + textHeight), inputs.heightTen);
        drawFamilies(surface, cursor, inputs, graduation,
            [bottom](qint16 height) { return numeric::checkedAdd(bottom, -height); });
        cursor.printY = rowTop;
    }
    if (!numbers.empty())
        printNumbers(surface, cursor, graduation, numbers);
    return cursor;
}
