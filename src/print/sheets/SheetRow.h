#pragma once

#include "print/page/Page.h"

#include <vector>

/// A row of a page on its way to a sheet: its drawing with y measured from the row's top, how far
/// that drawing reaches below the top, and how far below it the next row begins. Twips.
struct SheetRow {
    std::vector<PageOp> ops;
    double height = 0;
    double pitch = 0;
};
