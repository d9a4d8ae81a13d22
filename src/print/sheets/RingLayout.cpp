#include "print/sheets/RingLayout.h"

#include "common/RuntimeError.h"
#include "print/sheets/ArcCut.h"
#include "print/sheets/Shelves.h"

#include <algorithm>
#include <cmath>
#include <map>
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

RingMaker::RingMaker(
    const SheetFormat& format, const InkExtents& ink, bool inches, RingCut cut, bool fromCentre)
    : m_format(format)
    , m_ink(ink)
    , m_inches(inches)
    , m_cut(cut)
    , m_fromCentre(fromCentre)
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
    circle.fromCentre = m_fromCentre;
    const double end = strip.left + strip.length;
    // The long marks stand `phase` of a division past the strip's left end when it starts between
    // them; then no number stands at an end.
    const double start = strip.zeroAt / strip.unitsPerDivision;
    const double phase = std::ceil(start) - start;
    // A number split over the strip's ends ("0" at its start, "9" at its end) is whole on a ring:
    // the end's part goes before the start's, by number row.
    std::map<double, QString> endParts;
    const auto atEnd = [&](const PageOp& op) {
        return !circle.vernier && op.kind == PageOp::Kind::Text && phase == 0
            && (m_ink.left(op) + m_ink.right(op)) / 2 > end - circle.spacing / 2;
    };
    for (const PageOp& op : rowOps) {
        if (atEnd(op))
            endParts[op.y] = op.text.trimmed();
    }
    for (const PageOp& op : rowOps) {
        if (!circle.vernier) {
            // The strip's right end is its left end again on the ring.
            const bool mark = op.kind == PageOp::Kind::Stroke && op.dx == 0;
            if (mark && op.x > end - kMarkTolerance)
                continue;
            if (atEnd(op))
                continue;
        }
        PageOp kept = op;
        const auto endPart = endParts.find(op.y);
        if (op.kind == PageOp::Kind::Text && endPart != endParts.end() && phase == 0
            && (m_ink.left(op) + m_ink.right(op)) / 2 < strip.left + circle.spacing / 2
            && endPart->second != op.text.trimmed()) {
            kept.text = QLatin1Char(' ') + endPart->second + op.text.trimmed() + QLatin1Char(' ');
        }
        if (!circle.vernier && op.kind == PageOp::Kind::Text) {
            // Centred on its mark: the strip's end numbers stand beside theirs, a ring has no ends.
            const double width = m_ink.textWidth(kept);
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
        // A vernier is a piece of its ring, its middle where its numbers read upright on the sheet.
        const QRectF box = boundsOf(circle.ops, m_ink);
        const double upright = m_fromCentre ? 0 : 180;
        const RingShape shape = circle.shape(upright - circle.angle((box.left() + box.right()) / 2));
        std::vector<PageOp> bent;
        for (const PageOp& op : circle.ops)
            bent.push_back(bend(op, shape, m_ink));
        pieces.push_back({ std::move(bent), {}, std::nullopt });
    } else if (arccut::isArc(strip) && m_cut == RingCut::Sectors) {
        pieces = arcPieces(circle);
        if (pieces.empty())
            throw RuntimeError::invalidPropertyValue(); // refused before printing: see ringfit
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
                for (int i = 0; i < n; ++i) {
                    const Span span = sectorSpan(strip, n, i);
                    candidate.push_back({ sector(circle, span, orientation), {}, span.note });
                }
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

std::vector<ShelfPiece> RingMaker::arcPieces(const Circle& circle) const
{
    const double labels = labelDepth();
    const int divisions = circle.strip.divisions;
    const int most = static_cast<int>(std::ceil(circle.strip.arcLength / circle.spacing)) + 1;
    for (int n = 2; n <= most; ++n) {
        const std::vector<Span> spans = arcSpans(circle, n);
        if (spans.empty())
            continue;
        double longest = 0;
        for (const Span& span : spans)
            longest = std::max(longest, span.to - span.from);
        const int k = static_cast<int>(std::ceil(longest / circle.spacing - 1e-6));
        for (const double orientation : ringfit::kOrientations) {
            // The estimate first; the pieces' real extent decides.
            if (!ringfit::fits(
                    ringfit::sectorBounds(circle.outer, circle.depth, labels, divisions, k, orientation),
                    m_format))
                continue;
            std::vector<ShelfPiece> candidate;
            for (const Span& span : spans) {
                std::vector<PageOp> ops = sector(circle, span, orientation);
                if (!ringfit::fits(boundsOf(ops, m_ink), m_format))
                    break;
                candidate.push_back({ std::move(ops), {}, span.note });
            }
            if (candidate.size() == spans.size())
                return candidate;
        }
    }
    return {};
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
