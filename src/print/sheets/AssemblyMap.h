#pragma once

#include "print/sheets/InkExtents.h"
#include "print/sheets/SheetFormat.h"
#include "print/sheets/SheetRow.h"

#include <QString>
#include <cstddef>
#include <vector>

/// A piece as the map names it: the sheet it is printed on, counted from 1 with the map's sheets.
struct MapPiece {
    PieceNote note;
    std::size_t sheet = 0;
};

/// A strip or ring of the job and its pieces, in order along it.
struct MapStrip {
    std::size_t source = 0; ///< the page's row it was drawn in
    StripGeometry strip;
    bool tab = false; ///< it ends with its closing tab
    std::vector<MapPiece> pieces;
};

/// The assembly map that opens a job printed in pieces: the instruction, then every strip (or ring)
/// drawn small with a tick at each long division, its pieces outlined beside it with their range
/// and sheet, and each joint's cut line through it under its letter. Twips, rows for the sheets.
namespace assemblymap {

/// "Cut each piece on its cut line; ..."
QString instruction();
/// "Sheet 3": how the map names the sheet a piece is on.
QString sheetLabel(std::size_t sheet);
/// A strip or ring printed whole, as one piece; a strip with its tab joins its own start.
PieceNote wholeNote(const StripGeometry& strip, bool tab);

std::vector<SheetRow> rows(
    const std::vector<MapStrip>& strips, bool rings, const SheetFormat& format, const InkExtents& ink);

} // namespace assemblymap
