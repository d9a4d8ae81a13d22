#pragma once

#include "print/page/Page.h"

#include <optional>
#include <vector>

/// Where a further sheet's first row begins, as a job's page has its first.
constexpr double kSheetTop = 750;

/// A row of a page on its way to a sheet: its drawing with y measured from the row's top, how far
/// that drawing reaches below the top, and how far below it the next row begins. Twips.
struct SheetRow {
    std::vector<PageOp> ops;
    double height = 0;
    double pitch = 0;
    std::optional<StripGeometry> strip; ///< the strip the row shows, whole or in part
};
