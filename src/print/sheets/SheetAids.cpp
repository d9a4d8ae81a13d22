#include "print/sheets/SheetAids.h"

#include "print/page/PageUnits.h"
#include "print/sheets/MeasuringBar.h"

#include <QCoreApplication>

namespace sheetaids {

namespace {

constexpr double kLabelPoints = 8;
constexpr double kBarY = 560; // ticks stand above it; a segment's cut line reaches up to 600
constexpr double kBarLabelGap = 150;

} // namespace

void addTo(std::vector<Page>& sheets, const QString& circle, bool inches)
{
    MeasuringBar bar;
    bar.x = kStripLeft;
    bar.y = kBarY;
    bar.length = (inches ? 2 * kMmPerInch : 50) * kTwipsPerMm;
    bar.ticks = inches ? 20 : 50;
    const QString barLabel = inches ? QStringLiteral("2 in") : QStringLiteral("50 mm");
    const QString total = QString::number(sheets.size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        std::vector<PageOp>& ops = sheets[i].ops;
        QString line
            = QCoreApplication::translate("SheetAids", "Sheet %1 of %2").arg(QString::number(i + 1), total);
        if (!circle.isEmpty())
            line += QStringLiteral("   ") + circle;
        ops.push_back(pageText(kStripLeft, 0, line, kLabelPoints));
        bar.appendTo(ops);
        ops.push_back(pageText(
            kStripLeft + bar.length + kBarLabelGap, kBarY - MeasuringBar::kLongTick, barLabel, kLabelPoints));
    }
}

} // namespace sheetaids
