#include "print/sheets/CalibrationPage.h"

#include "print/page/PageUnits.h"
#include "print/sheets/MeasuringBar.h"

#include <QCoreApplication>
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

QString barLabel(bool alongLength, int millimetres)
{
    return (alongLength ? QCoreApplication::translate("CalibrationPage", "Along the paper's length: %1 mm")
                        : QCoreApplication::translate("CalibrationPage", "Along the paper's width: %1 mm"))
        .arg(millimetres);
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
    // The instructions' three lines are broken where the page is wide enough for them.
    for (const QString& line : { QCoreApplication::translate("CalibrationPage", "%1 (the bar across the top)")
                                     .arg(barLabel(landscape, acrossMm)),
             QCoreApplication::translate("CalibrationPage", "%1 (the bar down the left side)")
                 .arg(barLabel(!landscape, downMm)),
             QString(),
             QCoreApplication::translate("CalibrationPage", "Printer scale calibration for %1")
                 .arg(printerName),
             QCoreApplication::translate("CalibrationPage",
                 "Measure each bar from its first to its last mark, in millimetres, and type"),
             QCoreApplication::translate("CalibrationPage",
                 "the two lengths into the Printer scale dialog. Print this page with any"),
             QCoreApplication::translate(
                 "CalibrationPage", "scaling or \"fit to page\" option of the printer switched off.") }) {
        if (!line.isEmpty())
            page.ops.push_back(pageText(kTextLeft, y, line));
        y += kLineStep;
    }
    return page;
}
