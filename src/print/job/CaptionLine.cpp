#include "print/job/CaptionLine.h"

#include "common/Numeric.h"

QString CaptionLine::text(const StripInputs& set) const
{
    const QString dash = QStringLiteral("-");
    const QString degree = QStringLiteral("\u00B0");
    QString line = ringDiameter
        ? circleLabel + QStringLiteral(" ring diameter = ") + numeric::generalForm(*ringDiameter)
        : circleLabel + QStringLiteral(" Circle length = ") + numeric::generalForm(length);
    line += QLatin1Char(' ') + units;
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

QStringList CaptionLine::wrap(
    const QString& caption, double width, const std::function<double(const QString&)>& measure)
{
    const QString separator = QStringLiteral(", ");
    QStringList lines;
    QString rest = caption;
    while (measure(rest) > width) {
        qsizetype breakAt = -1; // the index of the ", " the line ends with
        for (qsizetype at = rest.indexOf(separator); at >= 0; at = rest.indexOf(separator, at + 1)) {
            if (breakAt >= 0 && measure(rest.left(at + 1)) > width)
                break;
            breakAt = at;
        }
        if (breakAt < 0)
            break;
        lines << rest.left(breakAt + 1);
        rest = rest.mid(breakAt + separator.size());
    }
    lines << rest;
    return lines;
}

float printCaption(PrintSurface& surface, float left, float top, double right, const QString& caption)
{
    const QStringList lines = CaptionLine::wrap(
        caption, right - left, [&surface](const QString& text) { return surface.textWidth(text); });
    const float step = surface.textHeight(caption);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        surface.setCurrentX(left);
        surface.setCurrentY(top + static_cast<float>(i) * step);
        surface.print(lines[i]);
    }
    return top + static_cast<float>(lines.size()) * step;
}
