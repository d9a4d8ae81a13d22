#include "print/job/ScaleDrawing.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

const QString kNumberFont = QStringLiteral("Arial");
constexpr qint32 kFirstNumberOffset = 75;
constexpr qint32 kMiddleNumberOffset = -50;

qint32 add(qint32 a, qint64 b)
{
    return numeric::checkedInt32(static_cast<qint64>(a) + b);
}

void drawFamily(PrintSurface& surface, const MarkFamily& family, qint32 top, Rgb colour)
{
    surface.setDrawWidth(numeric::checkedInt16(family.penWidth));
    double x = family.firstX;
    for (int i = 0; i < family.count; ++i) {
        surface.line(LineFlags::Stroke, static_cast<float>(x), static_cast<float>(top), 0.0f,
            static_cast<float>(family.height), colour);
        x += family.spacing;
    }
}

void setNumberFont(PrintSurface& surface, const StripInputs& inputs)
{
    surface.setFontName(kNumberFont);
    surface.setFontSize(inputs.fontSize);
}

void printNumbers(PrintSurface& surface, const PagePosition& position, const NumberRow& row)
{
    double x = position.printX;
    const std::size_t last = row.values.size() - 1;
    for (std::size_t i = 0; i < row.values.size(); ++i) {
        const qint16 value = row.values[i];
        // The digits alone are measured; Print adds a blank on either side.
        const double w = surface.textWidth(QString::number(value));
        // Rounded to a whole twip before the offset, so the offset never shifts a half.
        qint32 left;
        if (i == 0)
            left = add(numeric::toInt32(x - w), kFirstNumberOffset);
        else if (i == last)
            left = add(numeric::toInt32(x - w), row.lastOffset);
        else
            left = add(numeric::toInt32(x - w / 2), kMiddleNumberOffset);
        surface.setCurrentX(static_cast<float>(left));
        surface.setCurrentY(static_cast<float>(position.printY));
        surface.print(value);
        if (i != last)
            x += row.spacing;
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

void drawScale(PrintSurface& surface, PagePosition& position, const StripInputs& inputs,
    const std::array<MarkFamily, 3>& families, const NumberRow& row, qint16 heightSample)
{
    if (inputs.topLayout) {
        for (const MarkFamily& family : families)
            drawFamily(surface, family, position.printY, inputs.markColor);
        setNumberFont(surface, inputs);
        position.printY = add(position.printY, inputs.heightTen);
    } else {
        setNumberFont(surface, inputs);
        // The row top is kept in 16 bits: a row further down than 32767 twips is an overflow.
        const qint16 rowTop = numeric::checkedInt16(position.printY);
        const double textHeight = surface.textHeight(QString::number(heightSample));
        position.printY = numeric::toInt32(position.printY + textHeight);
        const qint32 bottom = add(position.printY, inputs.heightTen);
        for (const MarkFamily& family : families)
            drawFamily(surface, family, add(bottom, -family.height), inputs.markColor);
        position.printY = rowTop;
    }
    if (!row.values.empty())
        printNumbers(surface, position, row);
}
