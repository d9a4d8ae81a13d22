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
/// A strip with a closing tab (see closingtab) gets the joint "Z" between its tab and its start.
class StripSplitter {
public:
    /// Where segment a..b of a strip begins on its sheet and which long divisions it spans.
    struct Segment {
        int first = 0;
        int last = 0;
    };

    StripSplitter(const SheetFormat& format, const InkExtents& ink);

    /// rowOps: the strip's row with x as drawn and y from the row's top, its closing tab drawn
    /// already when it has one; pitch: how far the next row stood below it. Throws RuntimeError
    /// when a segment can't hold two divisions.
    std::vector<SheetRow> split(
        const std::vector<PageOp>& rowOps, const StripGeometry& strip, double pitch, bool closingTab) const;

    /// The row of a strip with its closing tab that fits whole: the tab's cut line and its joint's
    /// letters below the strip. Nothing is moved.
    SheetRow closeWhole(std::vector<PageOp> rowOps, const StripGeometry& strip, double pitch) const;

    /// "A" to "Z", then "AA", "AB", ...
    static QString jointLabel(int joint);
    static QString rangeLabel(const StripGeometry& strip, const Segment& segment);
    /// The joint between a strip's tab and its start.
    static QString closingLabel();

private:
    struct Placed;
    class Cut;

    void endAtCut(std::vector<PageOp>& ops, double cutX) const;
    void addLetter(std::vector<PageOp>& ops, double cutX, double labelTop, const QString& letter) const;
    void addCut(std::vector<PageOp>& ops, double cutX, double labelTop, double rowHeight,
        const QString& letter) const;

    const SheetFormat& m_format;
    const InkExtents& m_ink;
};
