#include "print/sheets/RingLayout.h"

#include "common/RuntimeError.h"
#include "print/page/PageUnits.h"
#include "print/page/Polar.h"
#include "print/sheets/MeasuringBar.h"
#include "print/sheets/RingBend.h"
#include "print/sheets/StripSplitter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kMarkTolerance = 1.0;
constexpr double kRingMargin = 20; // room for the cut circles' pen inside the printable area
constexpr double kCrossHalf = 113; // the centre cross, 2 mm each way
constexpr double kLabelGap = 60; // from the ring's inner edge to its sector labels
constexpr double kLabelPoints = 8;
constexpr int kLabelLines = 3; // range, radius, chord
constexpr double kJointLabelGap = 60;
constexpr double kCutOverhang = 150;
constexpr double kPieceGap = 200; // between sectors side by side
constexpr double kRowGap = 200;
constexpr double kBoxMargin = 40; // black kept beside the end numbers of a white-on-black sector
// What a sector's end numbers may reach past its end marks: half of " 350 " at 14 points.
constexpr double kEndNumberAllowance = 360;
const QString kLabelFont = QStringLiteral("Arial");

/// Sectors pointing up, or lying on their side.
constexpr double kOrientations[] = { 0, 90 };

double usableWidth(const SheetFormat& format)
{
    return format.paper.printableWidth() / format.factorAcross() - kStripLeft;
}

double usableHeight(const SheetFormat& format)
{
    return format.paper.printableHeight() / format.factorDown() - kSheetTop;
}

QRectF united(QRectF box, QPointF p)
{
    return box.united(QRectF(p, QSizeF(0, 0)));
}

/// Where a sector of k long divisions (of `divisions`) reaches, with its overlap, its cut line and its
/// labels `labelDepth` inside its inner edge, the sector's middle at `orientation`.
QRectF sectorBounds(double outer, double depth, double labelDepth, int divisions, int k, double orientation)
{
    const double d = 360.0 / divisions;
    const double from = orientation - (k / 2.0 + 0.5) * d;
    const double sweep = (k + 1.5) * d;
    const QPointF centre(0, 0);
    const double inner = outer - depth;
    QRectF box = polar::arcBounds(centre, outer, from, sweep)
                     .united(polar::arcBounds(centre, std::max(0.0, inner), from, sweep));
    box = united(box, polar::point(centre, inner - labelDepth, orientation));
    box = united(box, polar::point(centre, outer + kCutOverhang, orientation + (k / 2.0 + 0.5) * d));
    return box.adjusted(-kEndNumberAllowance, -kEndNumberAllowance, kEndNumberAllowance, kEndNumberAllowance);
}

bool fitsSheet(const QRectF& box, const SheetFormat& format)
{
    return box.width() <= usableWidth(format) - kRingMargin
        && box.height() <= usableHeight(format) - kRingMargin;
}

std::vector<int> sectorCounts(int divisions)
{
    std::vector<int> counts;
    for (int n = 2; n <= divisions; ++n) {
        if (divisions % n == 0)
            counts.push_back(n);
    }
    return counts;
}

QRectF boundsOf(const std::vector<PageOp>& ops, const InkExtents& ink)
{
    QRectF box;
    for (const PageOp& op : ops)
        box = box.isNull() ? ink.bounds(op) : box.united(ink.bounds(op));
    return box;
}

void moveBy(std::vector<PageOp>& ops, double dx, double dy)
{
    for (PageOp& op : ops) {
        op.x += dx;
        op.y += dy;
    }
}

QString length(double twips, bool inches)
{
    const double mm = twips / kTwipsPerMm;
    return inches ? QString::number(mm / kMmPerInch, 'f', 2) + QStringLiteral(" in")
                  : QString::number(mm, 'f', 1) + QStringLiteral(" mm");
}

} // namespace

namespace ringfit {

double largestWhole(const SheetFormat& format)
{
    return std::max(0.0, std::min(usableWidth(format), usableHeight(format)) - kRingMargin);
}

double largestSplit(int divisions, const SheetFormat& format)
{
    const auto fits = [&](double outer) {
        return std::any_of(std::begin(kOrientations), std::end(kOrientations), [&](double orientation) {
            return fitsSheet(sectorBounds(outer, 0, 0, divisions, 1, orientation), format);
        });
    };
    double low = 0;
    double high = 1e7;
    if (!fits(low))
        return 0;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return 2 * low;
}

} // namespace ringfit

/// One strip row as its ring takes it.
struct RingMaker::Circle {
    std::vector<PageOp> ops; ///< the strip's, its end mark and number (its 0 again) left out
    StripGeometry strip;
    double length = 0;
    double outer = 0;
    double depth = 0;
    double spacing = 0;
    bool vernier = false;

    RingShape shape(double turn) const { return { QPointF(0, 0), outer, length, strip.left, turn }; }
    /// The angle of strip x as drawn, before any turn.
    double angle(double x) const { return 360.0 * (x - strip.left) / length; }
};

RingMaker::RingMaker(const SheetFormat& format, const InkExtents& ink, bool inches, RingCut cut)
    : m_format(format)
    , m_ink(ink)
    , m_inches(inches)
    , m_cut(cut)
{ }

QString RingMaker::radiusLabel(double radiusTw, bool inches)
{
    return QCoreApplication::translate("RingLayout", "R = %1", "the ring's outer radius")
        .arg(length(radiusTw, inches));
}

QString RingMaker::chordLabel(const StripGeometry& strip, int first, int last, double chordTw, bool inches)
{
    return QCoreApplication::translate(
        "RingLayout", "chord %1 = %2", "the straight distance between two marks of a ring sector")
        .arg(StripSplitter::rangeLabel(strip, { first, last }), length(chordTw, inches));
}

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

    std::vector<std::vector<PageOp>> pieces;
    std::vector<PieceNote> notes;
    if (circle.vernier) {
        // A vernier is a piece of its ring, its middle at the top.
        const QRectF box = boundsOf(circle.ops, m_ink);
        const RingShape shape = circle.shape(-circle.angle((box.left() + box.right()) / 2));
        std::vector<PageOp> bent;
        for (const PageOp& op : circle.ops)
            bent.push_back(bend(op, shape, m_ink));
        pieces.push_back(std::move(bent));
    } else if (m_cut != RingCut::Sectors) {
        pieces.push_back(whole(circle));
    } else {
        const double labelDepth = kLabelGap + kLabelLines * m_ink.lineHeight(kLabelFont, kLabelPoints);
        bool placed = false;
        for (int n : sectorCounts(strip.divisions)) {
            for (double orientation : kOrientations) {
                if (!fitsSheet(sectorBounds(circle.outer, circle.depth, labelDepth, strip.divisions,
                                   strip.divisions / n, orientation),
                        m_format))
                    continue;
                std::vector<std::vector<PageOp>> candidate;
                for (int i = 0; i < n; ++i)
                    candidate.push_back(sector(circle, n, i, orientation));
                // The labels' real extent decides, not the estimate.
                if (!fitsSheet(boundsOf(candidate.front(), m_ink), m_format))
                    continue;
                pieces = std::move(candidate);
                for (int i = 0; i < n; ++i)
                    notes.push_back(sectorNote(strip, n, i));
                placed = true;
                break;
            }
            if (placed)
                break;
        }
        if (!placed)
            throw RuntimeError::invalidPropertyValue(); // refused before printing: see ringfit
    }
    return shelves(std::move(pieces), notes, pitch);
}

PieceNote RingMaker::sectorNote(const StripGeometry& strip, int n, int index)
{
    const int k = strip.divisions / n;
    PieceNote note;
    note.first = index * k;
    note.last = note.first + k + 1;
    note.startJoint = StripSplitter::jointLabel((index + n - 1) % n);
    note.endJoint = StripSplitter::jointLabel(index);
    note.range = StripSplitter::rangeLabel(strip, { note.first, note.last % strip.divisions });
    return note;
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

std::vector<PageOp> RingMaker::sector(const Circle& circle, int n, int index, double orientation) const
{
    const StripGeometry& strip = circle.strip;
    const int k = strip.divisions / n;
    const double s = circle.spacing;
    const double L = circle.length;
    const int first = index * k;
    const int last = first + k + 1;
    const double from = strip.left + first * s;
    const double to = strip.left + last * s;
    // A place of the strip, or the same place one turn on, whichever lies in the sector.
    const auto within = [&](double x, double tolerance) -> std::optional<double> {
        for (const double candidate : { x, x + L }) {
            if (candidate >= from - tolerance && candidate <= to + tolerance)
                return candidate;
        }
        return std::nullopt;
    };

    std::vector<PageOp> ops;
    std::vector<std::size_t> boxes;
    double textLeft = from;
    double textRight = to;
    for (const PageOp& op : circle.ops) {
        const bool mark = op.kind == PageOp::Kind::Stroke && op.dx == 0;
        if (mark) {
            if (const std::optional<double> x = within(op.x, kMarkTolerance)) {
                PageOp kept = op;
                kept.x = *x;
                ops.push_back(kept);
            }
        } else if (op.kind == PageOp::Kind::Text) {
            // A number belongs to the long mark it is centred on, or nearest to; on a ring whose
            // zero falls between long marks, to the division it stands in, and goes with both its ends.
            const double centre = (m_ink.left(op) + m_ink.right(op)) / 2;
            const bool between = std::fmod(strip.zeroAt, strip.unitsPerDivision) != 0;
            const double at = (centre - strip.left) / s;
            const long division = std::lround(between ? std::floor(at) : at);
            const std::optional<double> x = within(strip.left + division * s, kMarkTolerance);
            if (x && (!between || within(*x + s, kMarkTolerance))) {
                PageOp kept = op;
                kept.x += *x - (strip.left + division * s);
                textLeft = std::min(textLeft, m_ink.glyphLeft(kept) - kBoxMargin);
                textRight = std::max(textRight, m_ink.glyphRight(kept) + kBoxMargin);
                ops.push_back(kept);
            }
        } else {
            // A stretch along the strip: a box, a line. One that runs the whole strip runs round.
            const double a = std::min(op.x, op.x + op.dx);
            const double b = std::max(op.x, op.x + op.dx);
            const bool round = b - a >= L - kMarkTolerance;
            for (const double shift : { 0.0, L }) {
                const double left = round ? from : std::max(a + shift, from);
                const double right = round ? to : std::min(b + shift, to);
                if (right <= left)
                    continue;
                PageOp clipped = op;
                clipped.x = left;
                clipped.dx = right - left;
                if (round && op.kind == PageOp::Kind::FilledBox)
                    boxes.push_back(ops.size());
                ops.push_back(clipped);
                if (round)
                    break;
            }
        }
    }
    // A black ring cut at a joint still holds the numbers at its ends.
    for (std::size_t i : boxes) {
        ops[i].x = textLeft;
        ops[i].dx = textRight - textLeft;
    }

    const double lineHeight = m_ink.lineHeight(kLabelFont, kLabelPoints);
    const double labelTop = circle.depth + kLabelGap;
    const double bottom = labelTop + kLabelLines * lineHeight;
    const double startX = from - s / 2;
    const double cutX = to - s / 2;
    // The piece's outline: its outer and inner edge, the edge that lies under the previous sector,
    // and the cut line through the overlap.
    for (const double y : { 0.0, circle.depth }) {
        PageOp edge = PageOp::stroke(startX, y, cutX - startX, 0);
        edge.cut = true;
        ops.push_back(edge);
    }
    PageOp startEdge = PageOp::stroke(startX, 0, 0, circle.depth);
    startEdge.cut = true;
    ops.push_back(startEdge);
    PageOp cutLine = PageOp::stroke(cutX, -kCutOverhang, 0, bottom + kCutOverhang);
    cutLine.cut = true;
    ops.push_back(cutLine);
    for (std::size_t i : boxes) {
        ops.push_back(
            PageOp::stroke(cutX, std::min(ops[i].y, ops[i].y + ops[i].dy), 0, std::fabs(ops[i].dy), kWhite));
    }

    const double middle = strip.left + (first + k / 2.0) * s;
    const auto centred = [&](double top, const QString& text) {
        PageOp label = pageText(0, top, text, kLabelPoints);
        label.x = middle - m_ink.textWidth(label) / 2;
        ops.push_back(label);
    };
    const int divisions = strip.divisions;
    const PieceNote note = sectorNote(strip, n, index);
    centred(labelTop, note.range);
    centred(labelTop + lineHeight, radiusLabel(circle.outer, m_inches));
    const double chord = 2 * circle.outer * std::sin(std::numbers::pi * k / divisions);
    centred(labelTop + 2 * lineHeight, chordLabel(strip, first, first + k, chord, m_inches));
    // Each joint's letter stands left of its cut line, at the same place of the ring on both pieces.
    const auto joint = [&](double cut, const QString& letter) {
        PageOp label = pageText(0, labelTop, letter, kLabelPoints);
        label.x = cut - kJointLabelGap - m_ink.textWidth(label);
        ops.push_back(label);
    };
    joint(from + s / 2, note.startJoint);
    joint(cutX, note.endJoint);

    const RingShape shape = circle.shape(orientation - circle.angle(middle));
    for (PageOp& op : ops)
        op = bend(op, shape, m_ink);
    return ops;
}

std::vector<SheetRow> RingMaker::shelves(
    std::vector<std::vector<PageOp>> pieces, const std::vector<PieceNote>& notes, double pitch) const
{
    std::vector<SheetRow> rows;
    const double width = usableWidth(m_format);
    double x = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        std::vector<PageOp>& piece = pieces[i];
        const QRectF box = boundsOf(piece, m_ink);
        if (!rows.empty() && x + box.width() > width) {
            x = 0;
            rows.emplace_back();
        }
        if (rows.empty())
            rows.emplace_back();
        moveBy(piece, kStripLeft + x - box.left(), -box.top());
        SheetRow& row = rows.back();
        row.ops.insert(row.ops.end(), piece.begin(), piece.end());
        row.height = std::max(row.height, box.height());
        if (i < notes.size())
            row.pieces.push_back(notes[i]);
        x += box.width() + kPieceGap;
    }
    for (SheetRow& row : rows)
        row.pitch = std::max(pitch, row.height + kRowGap);
    return rows;
}
