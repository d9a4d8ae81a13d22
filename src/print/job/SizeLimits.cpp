#include "print/job/SizeLimits.h"

#include "print/page/PageUnits.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace sizelimits {

double longestStated(double maximumTw, bool inches, const std::function<bool(double lengthTw)>& fits)
{
    // The job's own arithmetic from an entry to twips, so that the stated length is the one tried.
    const auto twips
        = [inches](double length) { return (inches ? length * kMmPerInch : length) * kTwipsPerMm; };
    double tenths = std::floor(maximumTw / twips(1.0) * 10.0);
    while (tenths > 0 && !fits(twips(tenths / 10.0)))
        tenths -= 1.0;
    return std::max(0.0, tenths) / 10.0;
}

QString noSizeFits(const QString& circleLabel, qint16 minSize, const QString& units, bool diameter,
    const SheetFormat& format, bool split)
{
    const QString strip = circleLabel == QLatin1String("RA") ? circleLabel : circleLabel.toLower();
    QStringList ways;
    if (format.paper.orientation == PageOrientation::Portrait)
        ways << QStringLiteral("turn the paper to landscape");
    if (!split)
        ways << QStringLiteral("split it");
    if (ways.isEmpty())
        ways << QStringLiteral("choose a larger paper");
    return QStringLiteral("An %1 strip needs %2at least %3 %4: %5.")
        .arg(strip, diameter ? QStringLiteral("a diameter of ") : QString(), QString::number(minSize), units,
            ways.join(QStringLiteral(" or ")));
}

} // namespace sizelimits
