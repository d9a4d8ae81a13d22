#pragma once

#include "print/page/Page.h"

#include <QString>
#include <vector>

/// What every sheet of a job printed in pieces carries above its first row, so that each sheet can be
/// placed and measured on its own: "Sheet n of m" with the circle and its size, and a check bar of
/// 50 mm ticked every millimetre (2 in ticked every tenth for an inch job). Drawn in the sheet's
/// coordinates, so the printer's correction applies to the bar as to the strip.
namespace sheetaids {

void addTo(std::vector<Page>& sheets, const QString& circle, bool inches);

} // namespace sheetaids
