#include "print/sheets/ScaleCheck.h"

#include "print/page/PageUnits.h"
#include "print/sheets/MeasuringBar.h"

namespace scalecheck {

namespace {

constexpr double kBarDrop = 500; // from the check's top to the bar across, below its label
constexpr double kBarsApart = 700; // from the bar across to the bar down: both and the label fit A5 portrait
constexpr double kLabelGap = 300; // from the bar down to its label

struct Bars {
    double across;
    double down;
    int ticksAcross;
    int ticksDown;
    QString acrossLabel;
    QString downLabel;
};

Bars bars(bool inches)
{
    if (inches)
        return { 4 * kMmPerInch * kTwipsPerMm, 2 * kMmPerInch * kTwipsPerMm, 40, 20, QStringLiteral("4 in"),
            QStringLiteral("2 in") };
    return { 100 * kTwipsPerMm, 50 * kTwipsPerMm, 100, 50, QStringLiteral("100 mm"),
        QStringLiteral("50 mm") };
}

} // namespace

std::vector<PageOp> ops(double left, bool inches)
{
    const Bars b = bars(inches);
    std::vector<PageOp> result;
    result.push_back(pageText(left, 0, b.acrossLabel));
    MeasuringBar across;
    across.x = left;
    across.y = kBarDrop;
    across.length = b.across;
    across.ticks = b.ticksAcross;
    across.appendTo(result);

    MeasuringBar down;
    down.direction = MeasuringBar::Direction::Down;
    down.x = left + b.across + kBarsApart;
    down.length = b.down;
    down.ticks = b.ticksDown;
    down.appendTo(result);
    result.push_back(pageText(down.x + kLabelGap, 0, b.downLabel));
    return result;
}

double height(bool inches)
{
    return bars(inches).down;
}

} // namespace scalecheck
