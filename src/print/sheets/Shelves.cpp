#include "print/sheets/Shelves.h"

#include "print/page/PageUnits.h"

#include <algorithm>

std::vector<SheetRow> shelve(std::vector<ShelfPiece> pieces, double width, double gap)
{
    std::vector<SheetRow> rows;
    double x = 0;
    for (ShelfPiece& piece : pieces) {
        const QRectF& box = piece.box;
        if (rows.empty() || x + box.width() > width) {
            x = 0;
            rows.emplace_back();
        }
        SheetRow& row = rows.back();
        const double dx = kStripLeft + x - box.left();
        const double dy = -box.top();
        for (PageOp& op : piece.ops) {
            op.x += dx;
            op.y += dy;
            row.ops.push_back(std::move(op));
        }
        row.height = std::max(row.height, box.height());
        if (piece.note)
            row.pieces.push_back(*piece.note);
        x += box.width() + gap;
    }
    return rows;
}
