#pragma once

#include "print/sheets/InkExtents.h"
#include "print/sheets/SheetFormat.h"
#include "print/sheets/SheetRow.h"

#include <QString>
#include <vector>

/// Cuts the row of a strip longer than the printable width into segments, one row each, that carry
/// every mark and number where it stands on the whole strip, shifted as one. Segments start and end
/// at long marks (10 degrees, an hour) and consecutive ones share one long division: the earlier
/// segment has a cut line through the middle of it, and both carry the joint's label ("A", "A")
/// below it, at the same place of the strip; every segment is labelled with its range ("0°-70°").
class StripSplitter {
public:
    /// Where segment a..b of a strip begins on its sheet and which long divisions it spans.
    struct Segment {
        int first = 0;
        int last = 0;
    };

    StripSplitter(const SheetFormat& format, const InkExtents& ink);

    /// rowOps: the strip's row with x as drawn and y from the row's top; pitch: how far the next
    /// row stood below it. Throws RuntimeError when a segment can't hold two divisions.
    std::vector<SheetRow> split(
        const std::vector<PageOp>& rowOps, const StripGeometry& strip, double pitch) const;

    /// "A" to "Z", then "AA", "AB", ...
    static QString jointLabel(int joint);
    static QString rangeLabel(const StripGeometry& strip, const Segment& segment);

private:
    struct Placed;
    class Cut;

    const SheetFormat& m_format;
    const InkExtents& m_ink;
};
