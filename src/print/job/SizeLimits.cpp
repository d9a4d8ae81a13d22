#include "print/job/SizeLimits.h"

#include "print/page/PageUnits.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace sizelimits {

double longestStated(double maximumTw, bool inches, const std::function<bool(double lengthTw)>& fits)
{
    // The job's own arithmetic from an entry to twips, so that the stated length is the one tried.
    const auto twips
        = [inches](double length) { return (inches ? length * kMmPerInch : length) * kTwipsPerMm; };
    const double top = std::floor(maximumTw / twips(1.0) * 10.0);
    if (top <= 0)
        return 0;
    if (fits(twips(top / 10.0)))
        return top / 10.0;
    // Halving: a trial may lay out a whole page, and the longest fit can lie many tenths below.
    double fitting = 0;
    double failing = top;
    while (failing - fitting > 1.0) {
        const double middle = std::floor((fitting + failing) / 2);
        (fits(twips(middle / 10.0)) ? fitting : failing) = middle;
    }
    return fitting / 10.0;
}

QString noSizeFits(const QString& circleLabel, qint16 minSize, const QString& units, bool diameter,
    const SheetFormat& format, bool split)
{
    const bool portrait = format.paper.orientation == PageOrientation::Portrait;
    const char* way = nullptr; // %1 the circle, %2 the size, %3 its unit
    if (portrait && !split)
        way = diameter ? QT_TRANSLATE_NOOP("PrintJob",
                  "An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.")
                       : QT_TRANSLATE_NOOP("PrintJob",
                           "An %1 strip needs at least %2 %3: turn the paper to landscape or split it.");
    else if (portrait)
        way = diameter
            ? QT_TRANSLATE_NOOP(
                "PrintJob", "An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.")
            : QT_TRANSLATE_NOOP("PrintJob", "An %1 strip needs at least %2 %3: turn the paper to landscape.");
    else if (!split)
        way = diameter
            ? QT_TRANSLATE_NOOP("PrintJob", "An %1 strip needs a diameter of at least %2 %3: split it.")
            : QT_TRANSLATE_NOOP("PrintJob", "An %1 strip needs at least %2 %3: split it.");
    else
        way = diameter
            ? QT_TRANSLATE_NOOP(
                "PrintJob", "An %1 strip needs a diameter of at least %2 %3: choose a larger paper.")
            : QT_TRANSLATE_NOOP("PrintJob", "An %1 strip needs at least %2 %3: choose a larger paper.");
    // The circle as the sentence names it: "An altitude strip", "An RA strip".
    QString strip = circleLabel;
    if (circleLabel == QCoreApplication::translate("PrintJob", "Altitude"))
        strip = QCoreApplication::translate("PrintJob", "altitude", "in: An altitude strip needs...");
    else if (circleLabel == QCoreApplication::translate("PrintJob", "Azimuth"))
        strip = QCoreApplication::translate("PrintJob", "azimuth", "in: An azimuth strip needs...");
    else
        strip = QCoreApplication::translate("PrintJob", "RA", "in: An RA strip needs...");
    return QCoreApplication::translate("PrintJob", way).arg(strip, QString::number(minSize), units);
}

} // namespace sizelimits
