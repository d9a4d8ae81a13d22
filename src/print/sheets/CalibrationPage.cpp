#include "print/sheets/CalibrationPage.h"

#include "print/page/PageUnits.h"
#include "print/sheets/MeasuringBar.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCorner = 600; // where the two bars start, from the printable area's corner
constexpr double kEndRoom = 300; // kept free beyond each bar's end
constexpr double kTextLeft = kCorner + 400;
constexpr double kLineStep = 300;

int wholeCentimetres(double printable)
{
    return std::max(0, static_cast<int>(std::floor((printable - kCorner - kEndRoom) / (10 * kTwipsPerMm))))
        * 10;
}

QString barLabel(const QString& axis, int millimetres)
{
    return QStringLiteral("Along the paper's %1: %2 mm").arg(axis).arg(millimetres);
}

} // namespace

CalibrationBars CalibrationBars::of(const PaperFormat& paper)
{
    const bool landscape = paper.orientation == PageOrientation::Landscape;
    const double acrossWidth = landscape ? paper.printableHeight() : paper.printableWidth();
    const double acrossLength = landscape ? paper.printableWidth() : paper.printableHeight();
    return { wholeCentimetres(acrossWidth), wholeCentimetres(acrossLength) };
}

Page calibrationPage(const PaperFormat& paper, const QString& printerName)
{
    const CalibrationBars bars = CalibrationBars::of(paper);
    const bool landscape = paper.orientation == PageOrientation::Landscape;
    const int acrossMm = landscape ? bars.alongLengthMm : bars.alongWidthMm;
    const int downMm = landscape ? bars.alongWidthMm : bars.alongLengthMm;
    const QString acrossAxis = landscape ? QStringLiteral("length") : QStringLiteral("width");
    const QString downAxis = landscape ? QStringLiteral("width") : QStringLiteral("length");

    Page page;
    MeasuringBar across;
    across.x = kCorner;
    across.y = kCorner;
    across.length = acrossMm * kTwipsPerMm;
    across.ticks = acrossMm;
    across.appendTo(page.ops);
    MeasuringBar down = across;
    down.direction = MeasuringBar::Direction::Down;
    down.length = downMm * kTwipsPerMm;
    down.ticks = downMm;
    down.appendTo(page.ops);

    double y = kCorner + kLineStep;
    for (const QString& line : { barLabel(acrossAxis, acrossMm) + QStringLiteral(" (the bar across the top)"),
             barLabel(downAxis, downMm) + QStringLiteral(" (the bar down the left side)"), QString(),
             QStringLiteral("Printer scale calibration for ") + printerName,
             QStringLiteral("Measure each bar from its first to its last mark, in millimetres, and type"),
             QStringLiteral("the two lengths into the Printer scale dialog. Print this page with any"),
             QStringLiteral("scaling or \"fit to page\" option of the printer switched off.") }) {
        if (!line.isEmpty())
            page.ops.push_back(pageText(kTextLeft, y, line));
        y += kLineStep;
    }
    return page;
}
