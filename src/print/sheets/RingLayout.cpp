#include "print/sheets/RingLayout.h"

#include "common/RuntimeError.h"
#include "print/sheets/ArcCut.h"
#include "print/sheets/Shelves.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kCrossHalf = 113; // the centre cross, 2 mm each way
constexpr double kPieceGap = 200; // between sectors side by side
constexpr double kRowGap = 200;

QRectF boundsOf(const std::vector<PageOp>& ops, const InkExtents& ink)
{
    QRectF box;
    for (const PageOp& op : ops)
        box = box.isNull() ? ink.bounds(op) : box.united(ink.bounds(op));
    return box;
}

} // namespace

RingMaker::RingMaker(const SheetFormat& format, const InkExtents& ink, bool inches, RingCut cut)
    : m_format(format)
    , m_ink(ink)
    , m_inches(inches)
    , m_cut(cut)
{ }

std::vector<SheetRow> RingMaker::rows(
    const std::vector<PageOp>& rowOps, const StripGeometry& strip, double pitch) const
{
    if (!(strip.divisions > 0 && strip.length > 0 && std::isfinite(strip.length)))
        throw RuntimeError::invalidPropertyValue();
    Circle circle;
    circle.strip = strip;
    circle.vernier = strip.circleLength > 0;
    circle.length = circle.vernier ? strip.circleLength : strip.length;
    circle.outer = circle.length / (2 * std::numbers::pi);
    circle.spacing = strip.length / strip.divisions;
    const double end = strip.left + strip.length;
    // The long marks stand `phase` of a division past the strip's left end when it starts between
    // them; then no number stands at an end.
    const double start = strip.zeroAt / strip.unitsPerDivision;
    const double phase = std::ceil(start) - start;
    for (const PageOp& op : rowOps) {
        if (!circle.vernier) {
            // The strip's right end is its left end again on the ring.
            const bool mark = op.kind == PageOp::Kind::Stroke && op.dx == 0;
            const double centre = (m_ink.left(op) + m_ink.right(op)) / 2;
            if (mark && op.x > end - kMarkTolerance)
                continue;
            if (op.kind == PageOp::Kind::Text && phase == 0 && centre > end - circle.spacing / 2)
                continue;
        }
        PageOp kept = op;
        if (!circle.vernier && op.kind == PageOp::Kind::Text) {
            // Centred on its mark: the strip's end numbers stand beside theirs, a ring has no ends.
            const double width = m_ink.textWidth(op);
            const double mark = strip.left
                + (std::round((op.x + width / 2 - strip.left) / circle.spacing - phase) + phase)
                    * circle.spacing;
            kept.x = mark - width / 2;
        }
        circle.depth = std::max(circle.depth, m_ink.bottom(kept));
        circle.ops.push_back(kept);
    }

    std::vector<ShelfPiece> pieces;
    if (circle.vernier) {
        // A vernier is a piece of its ring, its middle at the top.
        const QRectF box = boundsOf(circle.ops, m_ink);
        const RingShape shape = circle.shape(-circle.angle((box.left() + box.right()) / 2));
        std::vector<PageOp> bent;
        for (const PageOp& op : circle.ops)
            bent.push_back(bend(op, shape, m_ink));
        pieces.push_back({ std::move(bent), {}, std::nullopt });
    } else if (arccut::isArc(strip)) {
        // On one sheet, its centre marked where that fits too, on its side where upright does not.
        std::optional<std::vector<PageOp>> chosen;
        for (const bool centre : { true, false }) {
            for (double orientation : ringfit::kOrientations) {
                std::vector<PageOp> ops = arc(circle, orientation, centre);
                if (!chosen || ringfit::fits(boundsOf(ops, m_ink), m_format)) {
                    const bool fits = ringfit::fits(boundsOf(ops, m_ink), m_format);
                    chosen = std::move(ops);
                    if (fits)
                        break;
                }
            }
            if (ringfit::fits(boundsOf(*chosen, m_ink), m_format))
                break;
        }
        pieces.push_back({ std::move(*chosen), {}, std::nullopt });
    } else if (m_cut != RingCut::Sectors) {
        pieces.push_back({ whole(circle), {}, std::nullopt });
    } else {
        const double labels = labelDepth();
        for (int n : ringfit::sectorCounts(strip.divisions)) {
            for (double orientation : ringfit::kOrientations) {
                if (!ringfit::fits(ringfit::sectorBounds(circle.outer, circle.depth, labels, strip.divisions,
                                       strip.divisions / n, orientation),
                        m_format))
                    continue;
                std::vector<ShelfPiece> candidate;
                for (int i = 0; i < n; ++i)
                    candidate.push_back({ sector(circle, n, i, orientation), {}, sectorNote(strip, n, i) });
                // The labels' real extent decides, not the estimate.
                if (!ringfit::fits(boundsOf(candidate.front().ops, m_ink), m_format))
                    continue;
                pieces = std::move(candidate);
                break;
            }
            if (!pieces.empty())
                break;
        }
        if (pieces.empty())
            throw RuntimeError::invalidPropertyValue(); // refused before printing: see ringfit
    }
    for (ShelfPiece& piece : pieces)
        piece.box = boundsOf(piece.ops, m_ink);
    std::vector<SheetRow> rows = shelve(std::move(pieces), ringfit::usableWidth(m_format), kPieceGap);
    for (SheetRow& row : rows)
        row.pitch = std::max(pitch, row.height + kRowGap);
    return rows;
}

std::vector<PageOp> RingMaker::whole(const Circle& circle) const
{
    std::vector<PageOp> ops;
    const RingShape shape = circle.shape(0);
    const double left = circle.strip.left;
    for (const PageOp& op : circle.ops)
        ops.push_back(bend(op, shape, m_ink));
    for (const double y : { 0.0, circle.depth }) {
        PageOp edge = bend(PageOp::stroke(left, y, circle.length, 0), shape, m_ink);
        edge.cut = true;
        ops.push_back(edge);
    }
    ops.push_back(PageOp::stroke(-kCrossHalf, 0, 2 * kCrossHalf, 0));
    ops.push_back(PageOp::stroke(0, -kCrossHalf, 0, 2 * kCrossHalf));
    return ops;
}
