#include "print/sheets/AssemblyMap.h"

#include "print/page/PageUnits.h"
#include "print/page/Polar.h"
#include "print/sheets/MeasuringBar.h"
#include "print/sheets/Shelves.h"
#include "print/sheets/StripSplitter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kInstructionPoints = 9;
constexpr double kLabelPoints = 8;
constexpr double kRowGap = 400;
constexpr double kTick = 100;
constexpr double kPad = 40; // inside a piece's outline, around its labels
constexpr double kLaneGap = 80; // between the strip and its pieces, and between two lanes
constexpr double kCutReach = 100; // a joint's cut line reaches past the strip
const QString kFont = QStringLiteral("Arial");

// Strips: the bar's height and the margin kept free right of it for the labels that overhang.
constexpr double kBarHeight = 250;
constexpr double kRightMargin = 400;
// Rings: the circle's least radius, and the width each piece's labels take along it.
constexpr double kLeastRadius = 1100;
constexpr double kLabelArc = 1000;
constexpr double kCellGap = 300;

class Drawing {
public:
    explicit Drawing(const InkExtents& ink)
        : m_ink(ink)
    { }

    void line(double x, double y, double dx, double dy) { m_ops.push_back(PageOp::stroke(x, y, dx, dy)); }

    void outline(double left, double top, double width, double height)
    {
        line(left, top, width, 0);
        line(left, top + height, width, 0);
        line(left, top, 0, height);
        line(left + width, top, 0, height);
    }

    /// A text centred on x, its top at y.
    void centred(double x, double y, const QString& text, double points = kLabelPoints)
    {
        if (text.isEmpty())
            return;
        PageOp op = pageText(0, y, text, points);
        op.x = x - m_ink.textWidth(op) / 2;
        m_ops.push_back(op);
    }

    /// A piece's labels, range over sheet, centred on (x, y).
    void labels(QPointF centre, const MapPiece& piece)
    {
        const bool range = !piece.note.range.isEmpty();
        const double lines = range ? 2 : 1;
        double y = centre.y() - lines * lineHeight() / 2;
        if (range) {
            centred(centre.x(), y, piece.note.range);
            y += lineHeight();
        }
        centred(centre.x(), y, assemblymap::sheetLabel(piece.sheet));
    }

    double lineHeight() const { return m_ink.lineHeight(kFont, kLabelPoints); }

    std::vector<PageOp>& ops() { return m_ops; }

    SheetRow row() &&
    {
        SheetRow row;
        for (const PageOp& op : m_ops)
            row.height = std::max(row.height, m_ink.bottom(op));
        row.pitch = row.height + kRowGap;
        row.ops = std::move(m_ops);
        return row;
    }

private:
    const InkExtents& m_ink;
    std::vector<PageOp> m_ops;
};

/// Pieces that overlap their neighbours go on alternate lanes; an odd count round a ring needs a
/// third for the last, which overlaps the first.
int laneOf(std::size_t index, std::size_t count, bool round)
{
    if (round && count % 2 == 1 && count > 1 && index + 1 == count)
        return 2;
    return static_cast<int>(index % 2);
}

/// One line of a strip's map: the divisions from..to of the strip and the pieces that lie in them.
SheetRow stripLine(const MapStrip& strip, int from, int to, std::size_t firstPiece, std::size_t endPiece,
    double step, const InkExtents& ink)
{
    Drawing draw(ink);
    const double left = kStripLeft - from * step;
    const double barTop = draw.lineHeight() + kCutReach;
    const double barBottom = barTop + kBarHeight;
    draw.outline(left + from * step, barTop, (to - from) * step, kBarHeight);
    for (int k = from + 1; k < to; ++k)
        draw.line(left + k * step, barTop, 0, kTick);

    const double laneHeight = 2 * draw.lineHeight() + 2 * kPad;
    for (std::size_t i = firstPiece; i < endPiece; ++i) {
        const MapPiece& piece = strip.pieces[i];
        const double start = left + piece.note.first * step;
        const double end = left + piece.note.last * step;
        const double top
            = barBottom + kLaneGap + laneOf(i, strip.pieces.size(), false) * (laneHeight + kLaneGap);
        draw.outline(start, top, end - start, laneHeight);
        draw.labels({ (start + end) / 2, top + laneHeight / 2 }, piece);
        // Each joint under its letter, where the cut line runs through the overlap; a line's first
        // piece shows the joint it starts with too (the closing tab's, on the first line).
        for (const auto& [letter, at] :
            { std::pair { i == firstPiece ? piece.note.startJoint : QString(), piece.note.first + 0.5 },
                std::pair { piece.note.endJoint, piece.note.last - 0.5 } }) {
            if (letter.isEmpty())
                continue;
            const double x = left + at * step;
            draw.line(x, barTop - kCutReach / 2, 0, kBarHeight + kCutReach);
            draw.centred(x, 0, letter);
        }
    }
    return std::move(draw).row();
}

/// A strip's map: one line across the width, or several where its pieces would be too narrow for
/// their labels, each line holding whole pieces.
std::vector<SheetRow> stripRows(const MapStrip& strip, double width, const InkExtents& ink)
{
    const int divisions = strip.strip.divisions + (strip.tab ? 1 : 0);
    double step = width / divisions;
    for (const MapPiece& piece : strip.pieces) {
        double label = 0;
        for (const QString& text : { piece.note.range, assemblymap::sheetLabel(piece.sheet) })
            label = std::max(label, ink.textWidth(pageText(0, 0, text, kLabelPoints)));
        step = std::max(step, (label + 4 * kPad) / std::max(1, piece.note.last - piece.note.first));
    }
    std::vector<SheetRow> rows;
    std::size_t first = 0;
    while (first < strip.pieces.size()) {
        const int from = strip.pieces[first].note.first;
        std::size_t end = first + 1;
        while (end < strip.pieces.size() && (strip.pieces[end].note.last - from) * step <= width)
            ++end;
        const int to = first == 0 && end == strip.pieces.size() ? divisions : strip.pieces[end - 1].note.last;
        rows.push_back(stripLine(strip, from, to, first, end, step, ink));
        first = end;
    }
    return rows;
}

/// A ring's map in a square cell: the circle with its long divisions, its sectors outlined outside it
/// with their labels beyond, each joint's letter inside the circle on its cut line.
std::vector<PageOp> ringCell(const MapStrip& strip, const InkExtents& ink)
{
    Drawing draw(ink);
    const double n = strip.strip.divisions;
    const double step = 360.0 / n;
    const double laneHeight = 300;
    const int lanes = strip.pieces.size() % 2 == 1 && strip.pieces.size() > 1 ? 3 : 2;
    const double labelBlock = 2 * draw.lineHeight();
    // The labels stand on a circle long enough to hold them all side by side.
    const double labelRadius = std::max(kLeastRadius + lanes * (laneHeight + kLaneGap) + labelBlock,
        static_cast<double>(strip.pieces.size()) * kLabelArc / (2 * std::numbers::pi));
    const double radius = labelRadius - lanes * (laneHeight + kLaneGap) - labelBlock;
    const double extent = labelRadius + labelBlock;
    const QPointF centre(extent, extent);

    std::vector<PageOp>& ops = draw.ops();
    ops.push_back(PageOp::arc(centre.x(), centre.y(), radius, 0, 360));
    for (int k = 0; k < static_cast<int>(n); ++k) {
        const QPointF a = polar::point(centre, radius, k * step);
        const QPointF b = polar::point(centre, radius - kTick, k * step);
        draw.line(a.x(), a.y(), b.x() - a.x(), b.y() - a.y());
    }
    const auto radial = [&](double angle, double from, double to) {
        const QPointF a = polar::point(centre, from, angle);
        const QPointF b = polar::point(centre, to, angle);
        draw.line(a.x(), a.y(), b.x() - a.x(), b.y() - a.y());
    };
    for (std::size_t i = 0; i < strip.pieces.size(); ++i) {
        const MapPiece& piece = strip.pieces[i];
        const double start = piece.note.first * step;
        const double sweep = (piece.note.last - piece.note.first) * step;
        const double inner
            = radius + kLaneGap + laneOf(i, strip.pieces.size(), true) * (laneHeight + kLaneGap);
        const double outer = inner + laneHeight;
        for (const double r : { inner, outer })
            ops.push_back(PageOp::arc(centre.x(), centre.y(), r, start, sweep));
        radial(start, inner, outer);
        radial(start + sweep, inner, outer);
        const double middle = start + sweep / 2;
        draw.labels(polar::point(centre, labelRadius + labelBlock / 2, middle), piece);
        if (!piece.note.endJoint.isEmpty()) {
            const double cut = (piece.note.last - 0.5) * step;
            radial(cut, radius - kTick - kCutReach, radius + kCutReach);
            const QPointF at = polar::point(centre, radius - kTick - kCutReach - draw.lineHeight(), cut);
            draw.centred(at.x(), at.y() - draw.lineHeight() / 2, piece.note.endJoint);
        }
    }
    return std::move(ops);
}

} // namespace

namespace assemblymap {

QString instruction()
{
    return QCoreApplication::translate("SheetAids",
        "Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks");
}

QString sheetLabel(std::size_t sheet)
{
    return QCoreApplication::translate("SheetAids", "Sheet %1").arg(sheet);
}

PieceNote wholeNote(const StripGeometry& strip, bool tab)
{
    PieceNote note;
    note.last = strip.divisions + (tab ? 1 : 0);
    if (tab) {
        note.startJoint = StripSplitter::closingLabel();
        note.endJoint = StripSplitter::closingLabel();
    }
    return note;
}

std::vector<SheetRow> rows(
    const std::vector<MapStrip>& strips, bool rings, const SheetFormat& format, const InkExtents& ink)
{
    const double width = format.paper.printableWidth() / format.factorAcross() - kStripLeft;
    std::vector<SheetRow> result;
    {
        Drawing draw(ink);
        PageOp line = pageText(kStripLeft, 0, instruction(), kInstructionPoints);
        draw.ops().push_back(line);
        result.push_back(std::move(draw).row());
    }
    if (!rings) {
        for (const MapStrip& strip : strips) {
            for (SheetRow& row : stripRows(strip, width - kRightMargin, ink))
                result.push_back(std::move(row));
        }
        return result;
    }
    // Rings side by side while the width holds them, each cell a square from its origin.
    std::vector<ShelfPiece> cells;
    for (const MapStrip& strip : strips) {
        ShelfPiece cell { ringCell(strip, ink), {}, std::nullopt };
        // Its labels may reach past the square's left edge (a wide range at 9 o'clock): the cell is
        // where its ink is, so the shelf keeps all of it inside the printable area.
        QRectF box(0, 0, 0, 0);
        for (const PageOp& op : cell.ops)
            box = box.united(ink.bounds(op));
        cell.box = box;
        cells.push_back(std::move(cell));
    }
    for (SheetRow& row : shelve(std::move(cells), width, kCellGap)) {
        row.pitch = row.height + kRowGap;
        result.push_back(std::move(row));
    }
    return result;
}

} // namespace assemblymap
