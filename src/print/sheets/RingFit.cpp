#include "print/sheets/RingFit.h"

#include "print/page/PageUnits.h"
#include "print/page/Polar.h"
#include "print/sheets/SheetRow.h"

#include <algorithm>

namespace {

constexpr double kRingMargin = 20; // room for the cut circles' pen inside the printable area
// What a sector's end numbers may reach past its end marks: half of " 350 " at 14 points.
constexpr double kEndNumberAllowance = 360;

double usableHeight(const SheetFormat& format)
{
    return format.paper.printableHeight() / format.factorDown() - kSheetTop;
}

QRectF united(QRectF box, QPointF p)
{
    return box.united(QRectF(p, QSizeF(0, 0)));
}

} // namespace

namespace ringfit {

double usableWidth(const SheetFormat& format)
{
    return format.paper.printableWidth() / format.factorAcross() - kStripLeft;
}

QRectF sectorBounds(double outer, double depth, double labelDepth, int divisions, int k, double orientation)
{
    const double d = 360.0 / divisions;
    const double from = orientation - (k / 2.0 + 0.5) * d;
    const double sweep = (k + 1.5) * d;
    const QPointF centre(0, 0);
    const double inner = outer - depth;
    QRectF box = polar::arcBounds(centre, outer, from, sweep)
                     .united(polar::arcBounds(centre, std::max(0.0, inner), from, sweep));
    box = united(box, polar::point(centre, inner - labelDepth, orientation));
    box = united(box, polar::point(centre, outer + kCutOverhang, orientation + (k / 2.0 + 0.5) * d));
    return box.adjusted(-kEndNumberAllowance, -kEndNumberAllowance, kEndNumberAllowance, kEndNumberAllowance);
}

bool fits(const QRectF& box, const SheetFormat& format)
{
    return box.width() <= usableWidth(format) - kRingMargin
        && box.height() <= usableHeight(format) - kRingMargin;
}

std::vector<int> sectorCounts(int divisions)
{
    std::vector<int> counts;
    for (int n = 2; n <= divisions; ++n) {
        if (divisions % n == 0)
            counts.push_back(n);
    }
    return counts;
}

double largestWhole(const SheetFormat& format)
{
    return std::max(0.0, std::min(usableWidth(format), usableHeight(format)) - kRingMargin);
}

double largestSplit(int divisions, const SheetFormat& format)
{
    const auto fitsAt = [&](double outer) {
        return std::any_of(kOrientations.begin(), kOrientations.end(), [&](double orientation) {
            return fits(sectorBounds(outer, 0, 0, divisions, 1, orientation), format);
        });
    };
    double low = 0;
    double high = 1e7;
    if (!fitsAt(low))
        return 0;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (fitsAt(mid) ? low : high) = mid;
    }
    return 2 * low;
}

double largestArc(double sweep, int divisions, const SheetFormat& format)
{
    const double total = sweep + 360.0 / divisions;
    const auto fitsAt = [&](double outer) {
        return std::any_of(kOrientations.begin(), kOrientations.end(), [&](double orientation) {
            const QRectF box = polar::arcBounds(QPointF(0, 0), outer, orientation - total / 2, total);
            return fits(box.adjusted(-kEndNumberAllowance, -kEndNumberAllowance, kEndNumberAllowance,
                            kEndNumberAllowance),
                format);
        });
    };
    double low = 0;
    double high = 1e7;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (fitsAt(mid) ? low : high) = mid;
    }
    return 2 * low;
}

} // namespace ringfit
