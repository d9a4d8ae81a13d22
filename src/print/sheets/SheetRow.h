#pragma once

#include "print/page/Page.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

/// Where a further sheet's first row begins, as a job's page has its first.
constexpr double kSheetTop = 750;

/// A piece of a strip or ring, to be joined to others after cutting, as the assembly map shows it:
/// the long divisions it spans, overlaps included, the letters of the joints at its ends (empty
/// where it ends free) and the range its label names.
struct PieceNote {
    int first = 0;
    int last = 0;
    QString startJoint;
    QString endJoint;
    QString range;
};

/// A row of a page on its way to a sheet: its drawing with y measured from the row's top, how far
/// that drawing reaches below the top, and how far below it the next row begins. Twips.
struct SheetRow {
    std::vector<PageOp> ops;
    double height = 0;
    double pitch = 0;
    std::optional<StripGeometry> strip; ///< the strip the row shows, whole or in part
    std::vector<PieceNote> pieces; ///< a segment of a strip, or sectors of a ring
    std::size_t source = 0; ///< the page's row it comes from
};
