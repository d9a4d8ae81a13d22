#pragma once

#include "print/page/Page.h"
#include "print/sheets/SheetRow.h"

#include <QRectF>
#include <optional>
#include <vector>

/// A piece laid on a shelf: its drawing, the box it takes, and what the assembly map says of it.
struct ShelfPiece {
    std::vector<PageOp> ops;
    QRectF box;
    std::optional<PieceNote> note;
};

/// Pieces side by side from the strips' left edge, `gap` apart, each moved so that its box's top left
/// lands on its place; a piece that would pass `width` begins a new row. A row is as high as its
/// highest box; its pitch is the caller's.
std::vector<SheetRow> shelve(std::vector<ShelfPiece> pieces, double width, double gap);
