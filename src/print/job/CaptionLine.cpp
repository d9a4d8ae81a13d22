#include "print/job/CaptionLine.h"

#include "common/Numeric.h"

#include <QCoreApplication>

QString CaptionLine::text(const StripInputs& set) const
{
    const QString dash = QStringLiteral("-");
    QString line = ringDiameter ? QCoreApplication::translate("CaptionLine", "%1 ring diameter = %2 %3")
                                      .arg(circleLabel, numeric::generalForm(*ringDiameter), units)
                                : QCoreApplication::translate("CaptionLine", "%1 Circle length = %2 %3")
                                      .arg(circleLabel, numeric::generalForm(length), units);
    if (arc) {
        // The circle's own size still says what the marks are spaced by; the arc's length what to cut.
        const QString ofCircle = ringDiameter
            ? QCoreApplication::translate("CaptionLine", "ring diameter = %1 %2")
                  .arg(numeric::generalForm(*ringDiameter), units)
            : QCoreApplication::translate("CaptionLine", "Circle length = %1 %2 (%3 %2)")
                  .arg(numeric::generalForm(length), units, numeric::fixedOneDecimal(arcLength));
        line = QCoreApplication::translate("CaptionLine", "%1 arc %2 of %3").arg(circleLabel, *arc, ofCircle);
    }
    const QString widths = QString::number(set.smallMark) + dash + QString::number(set.fiveMark) + dash
        + QString::number(set.tenMark);
    if (!hours)
        line += QCoreApplication::translate(
            "CaptionLine", ", Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2")
                    .arg(numeric::generalForm(set.smallestMark), widths);
    else
        line += QCoreApplication::translate("CaptionLine", ", Line (10min, 30min, 1hr) Widths  = %1")
                    .arg(widths);
    line += QCoreApplication::translate("CaptionLine", ", Heights = %1, Font size = %2")
                .arg(QString::number(set.heightSmall) + dash + QString::number(set.heightFive) + dash
                        + QString::number(set.heightTen),
                    QString::number(set.fontSize));
    if (halfMarks)
        line += hours ? QCoreApplication::translate("CaptionLine", ", 5min marks")
                      : QCoreApplication::translate("CaptionLine", ", half-degree marks");
    if (zeroAt)
        line += QCoreApplication::translate("CaptionLine", ", zero at %1").arg(*zeroAt);
    if (vernier)
        line += QCoreApplication::translate("CaptionLine", ", vernier %1").arg(*vernier);
    if (!set.otherWay.empty())
        line += QCoreApplication::translate("CaptionLine", ", numbers both ways");
    if (printerScale)
        line += QCoreApplication::translate("CaptionLine", ", Printer scale = %1")
                    .arg(numeric::generalForm(*printerScale));
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
