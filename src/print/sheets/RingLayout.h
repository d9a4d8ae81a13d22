#pragma once

#include "print/page/Page.h"
#include "print/page/TextMetrics.h"
#include "print/sheets/InkExtents.h"
#include "print/sheets/RingBend.h"
#include "print/sheets/RingFit.h"
#include "print/sheets/SheetFormat.h"
#include "print/sheets/SheetRow.h"
#include "print/sheets/Shelves.h"

#include <vector>

/// Rings on sheets: a strip's row bent into its flat ring, printed whole when it fits the printable
/// area (see ringfit), otherwise in equal annular sectors that start at long marks and overlap the
/// next by one long division, the last joining the first. Twips as drawn, before the printer's
/// correction.
class RingMaker {
public:
    /// inches: the unit of the sector labels' lengths; cut: whole rings or rings in sectors, as the
    /// job decided against ringfit; fromCentre: its texts read from the ring's centre, not from
    /// outside it.
    RingMaker(
        const SheetFormat& format, const InkExtents& ink, bool inches, RingCut cut, bool fromCentre = false);

    /// The row of a strip (x as drawn, y from the row's top) as its ring or the rows of its sectors,
    /// side by side where the printable width holds them. A vernier's row is bent to its circle and
    /// stays one piece. Throws RuntimeError when no sectors fit.
    std::vector<SheetRow> rows(
        const std::vector<PageOp>& rowOps, const StripGeometry& strip, double pitch) const;

    /// The sector labels' texts: "R = 225.0 mm", "chord 0°-60° = 225.0 mm".
    static QString radiusLabel(double radiusTw, bool inches);
    static QString chordLabel(const QString& range, double chordTw, bool inches);

private:
    static constexpr double kMarkTolerance = 1.0;

    /// One strip row as its ring takes it.
    struct Circle {
        std::vector<PageOp> ops; ///< the strip's, its end mark and number (its 0 again) left out
        StripGeometry strip;
        double length = 0;
        double outer = 0;
        double depth = 0;
        double spacing = 0;
        bool vernier = false;

        bool fromCentre = false;

        RingShape shape(double turn) const
        {
            return { QPointF(0, 0), outer, length, strip.left, turn, fromCentre };
        }
        /// The angle of strip x as drawn, before any turn.
        double angle(double x) const { return 360.0 * (x - strip.left) / length; }
    };

    /// A piece of the ring, strip x as drawn: from its first long mark (its start edge half a long
    /// division before it) to its last mark of its own, the next piece's first, or an arc's end.
    struct Span {
        double from = 0;
        double to = 0;
        /// Joined to the next piece by a cut line through their overlap, half a division past `to`;
        /// otherwise an arc's end: a radial edge there, nothing carried past `to`.
        bool joinsNext = true;
        PieceNote note;
        QString chordRange; ///< the readings of `from` and `to`, "0°-60°"
    };

    std::vector<PageOp> whole(const Circle& circle) const;
    /// The annular sector of an arc, with its outline and labels, its middle at `orientation`; its
    /// centre's cross with it when asked for.
    std::vector<PageOp> arc(const Circle& circle, double orientation, bool centre) const;
    /// How far a sector's labels reach inside its inner edge.
    double labelDepth() const;
    std::vector<PageOp> sector(const Circle& circle, const Span& span, double orientation) const;
    static Span sectorSpan(const StripGeometry& strip, int n, int index);
    /// An arc in `n` pieces of whole long divisions, as equal as its long marks allow.
    static std::vector<Span> arcSpans(const Circle& circle, int n);
    /// The arc in the fewest pieces that each fit a sheet; none when not even one long division fits.
    std::vector<ShelfPiece> arcPieces(const Circle& circle) const;

    const SheetFormat& m_format;
    const InkExtents& m_ink;
    bool m_inches;
    RingCut m_cut;
    bool m_fromCentre;
};
