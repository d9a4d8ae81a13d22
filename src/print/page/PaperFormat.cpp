#include "print/page/PaperFormat.h"

#include "common/PrinterError.h"
#include "print/page/PrintSurface.h"

#include <QPageLayout>
#include <QSizeF>
#include <cmath>
#include <iterator>

namespace {

// Twips per unit of QPageSize::Unit, in the enum's order (Qt's own point factors times 20).
constexpr double kTwipsPerPageUnit[] = {
    kTwipsPerInch / kMmPerInch, // Millimeter
    kTwipsPerPoint, // Point
    kTwipsPerInch, // Inch
    12.0 * kTwipsPerPoint, // Pica
    1.065826771 * kTwipsPerPoint, // Didot
    12.789921252 * kTwipsPerPoint, // Cicero
};

qint32 twips(double value, int unit)
{
    const double result = std::round(value * kTwipsPerPageUnit[unit]);
    if (!(result > 0 && result <= 1e9))
        throw printerError();
    return static_cast<qint32>(result);
}

} // namespace

PaperFormat PaperFormat::of(
    const QPageSize& size, PageOrientation orientation, const QMarginsF& minimumMargins)
{
    const int unit = static_cast<int>(size.definitionUnits());
    if (!size.isValid() || unit < 0 || unit >= static_cast<int>(std::size(kTwipsPerPageUnit)))
        throw printerError();
    PaperFormat paper;
    paper.size = size;
    paper.orientation = orientation;
    // The defined size, not QPageLayout::fullRect(): that one is converted through points and misses
    // A4 by a few twips, and the jobs compare strip lengths with this width exactly.
    const QSizeF defined = size.definitionSize();
    const bool landscape = orientation == PageOrientation::Landscape;
    paper.width = twips(landscape ? defined.height() : defined.width(), unit);
    paper.height = twips(landscape ? defined.width() : defined.height(), unit);
    paper.margins
        = QMarginsF(qMax(kMarginTwips, minimumMargins.left()), qMax(kMarginTwips, minimumMargins.top()),
            qMax(kMarginTwips, minimumMargins.right()), qMax(kMarginTwips, minimumMargins.bottom()));
    return paper;
}

PaperFormat PaperFormat::of(const QPageLayout& layout)
{
    QPageLayout inPoints = layout;
    inPoints.setUnits(QPageLayout::Point);
    return of(layout.pageSize(),
        layout.orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                       : PageOrientation::Portrait,
        inPoints.minimumMargins() * kTwipsPerPoint);
}

QPageLayout PaperFormat::pageLayout() const
{
    return QPageLayout(size,
        orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        margins / kTwipsPerPoint, QPageLayout::Point);
}
