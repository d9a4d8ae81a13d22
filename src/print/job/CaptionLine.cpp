#include "print/job/CaptionLine.h"

#include "common/Numeric.h"

QString CaptionLine::text(const StripInputs& set) const
{
    const QString dash = QStringLiteral("-");
    const QString degree = QStringLiteral("\u00B0");
    QString line = circleLabel + QStringLiteral(" Circle length = ") + numeric::generalForm(length)
        + QLatin1Char(' ') + units;
    if (!hours) {
        line += QStringLiteral(", Smallest mark = ") + numeric::generalForm(set.smallestMark) + degree
            + QStringLiteral(", Line (small, 5") + degree + QStringLiteral(", 10") + degree
            + QStringLiteral(") Widths  = ");
    } else {
        line += QStringLiteral(", Line (10min, 30min, 1hr) Widths  = ");
    }
    line += QString::number(set.smallMark) + dash + QString::number(set.fiveMark) + dash
        + QString::number(set.tenMark) + QStringLiteral(", Heights = ") + QString::number(set.heightSmall)
        + dash + QString::number(set.heightFive) + dash + QString::number(set.heightTen)
        + QStringLiteral(", Font size = ") + QString::number(set.fontSize);
    if (vernier)
        line += QStringLiteral(", vernier ") + *vernier;
    if (!set.otherWay.empty())
        line += QStringLiteral(", numbers both ways");
    if (printerScale)
        line += QStringLiteral(", Printer scale = ") + numeric::generalForm(*printerScale);
    return line;
}
