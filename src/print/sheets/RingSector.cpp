#include "print/sheets/RingLayout.h"

#include "print/page/PageUnits.h"
#include "print/sheets/ArcCut.h"
#include "print/sheets/MeasuringBar.h"
#include "print/sheets/StripSplitter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kLabelGap = 60; // from the ring's inner edge to its sector labels
constexpr double kLabelPoints = 8;
constexpr int kLabelLines = 3; // range, radius, chord
constexpr double kJointLabelGap = 60;
constexpr double kBoxMargin = 40; // black kept beside the end numbers of a white-on-black sector
const QString kLabelFont = QStringLiteral("Arial");
constexpr double kCentreCrossHalf = 113; // 2 mm each way, as on a whole ring

QString length(double twips, bool inches)
{
    const double mm = twips / kTwipsPerMm;
    return inches ? QString::number(mm / kMmPerInch, 'f', 2) + QStringLiteral(" in")
                  : QString::number(mm, 'f', 1) + QStringLiteral(" mm");
}

} // namespace

QString RingMaker::radiusLabel(double radiusTw, bool inches)
{
    return QCoreApplication::translate("RingLayout", "R = %1", "the ring's outer radius")
        .arg(length(radiusTw, inches));
}

QString RingMaker::chordLabel(const QString& range, double chordTw, bool inches)
{
    return QCoreApplication::translate(
        "RingLayout", "chord %1 = %2", "the straight distance between two marks of a ring sector")
        .arg(range, length(chordTw, inches));
}

double RingMaker::labelDepth() const
{
    return kLabelGap + kLabelLines * m_ink.lineHeight(kLabelFont, kLabelPoints);
}

RingMaker::Span RingMaker::sectorSpan(const StripGeometry& strip, int n, int index)
{
    const int k = strip.divisions / n;
    const double s = strip.length / strip.divisions;
    Span span;
    span.from = strip.left + index * k * s;
    span.to = span.from + k * s;
    span.note.first = index * k;
    span.note.last = span.note.first + k + 1;
    span.note.startJoint = StripSplitter::jointLabel((index + n - 1) % n);
    span.note.endJoint = StripSplitter::jointLabel(index);
    span.note.range = StripSplitter::rangeLabel(strip, { span.note.first, span.note.last % strip.divisions });
    span.chordRange = StripSplitter::rangeLabel(strip, { span.note.first, span.note.first + k });
    return span;
}

std::vector<RingMaker::Span> RingMaker::arcSpans(const Circle& circle, int n)
{
    const StripGeometry& strip = circle.strip;
    const double s = circle.spacing;
    const double from = strip.left + strip.arcStart;
    const double to = from + strip.arcLength;
    // The long marks inside the arc: its joints are chosen from them.
    std::vector<double> longs;
    for (double x = strip.left + std::floor((from - strip.left) / s) * s; x < to - kMarkTolerance; x += s) {
        if (x > from + kMarkTolerance)
            longs.push_back(x);
    }
    if (n < 1 || static_cast<std::size_t>(n) > longs.size() + 1)
        return {};
    std::vector<double> ends { from };
    // At most, a joint at every long mark.
    if (static_cast<std::size_t>(n) == longs.size() + 1)
        ends.insert(ends.end(), longs.begin(), longs.end());
    for (int j = 1; j < n && ends.size() < static_cast<std::size_t>(n); ++j) {
        const double goal = from + (to - from) * j / n;
        const auto nearest = std::min_element(longs.begin(), longs.end(),
            [goal](double a, double b) { return std::abs(a - goal) < std::abs(b - goal); });
        if (*nearest <= ends.back() + kMarkTolerance)
            return {};
        ends.push_back(*nearest);
    }
    ends.push_back(to);
    const auto units = [&](double x) { return (x - from) / s * strip.unitsPerDivision; };
    const auto division = [&](double x) { return static_cast<int>(std::lround((x - strip.left) / s)); };
    std::vector<Span> spans;
    for (int i = 0; i < n; ++i) {
        Span span;
        span.from = ends[static_cast<std::size_t>(i)];
        span.to = ends[static_cast<std::size_t>(i) + 1];
        span.joinsNext = i + 1 < n;
        span.note.first = division(span.from);
        span.note.last = division(span.to) + (span.joinsNext ? 1 : 0);
        if (i > 0)
            span.note.startJoint = StripSplitter::jointLabel(i - 1);
        if (span.joinsNext)
            span.note.endJoint = StripSplitter::jointLabel(i);
        span.chordRange = arccut::rangeLabel(strip, units(span.from), units(span.to));
        span.note.range = span.chordRange;
        spans.push_back(std::move(span));
    }
    return spans;
}

std::vector<PageOp> RingMaker::sector(const Circle& circle, const Span& span, double orientation) const
{
    const StripGeometry& strip = circle.strip;
    const double s = circle.spacing;
    const double L = circle.length;
    const double from = span.from;
    // The piece ends at its cut line, half a division past the next piece's first long mark: what
    // lies beyond it is the next piece's, which carries it from under this one. An arc's end carries
    // nothing past its end mark.
    const double cutX = span.to + s / 2;
    const double lastKept = span.joinsNext ? cutX : span.to;
    const auto kept = [&](double x) { return x <= lastKept + kMarkTolerance; };
    // A place of the strip, or the same place one turn on, whichever lies in the sector.
    const auto within = [&](double x, double tolerance) -> std::optional<double> {
        for (const double candidate : { x, x + L }) {
            if (candidate >= from - tolerance && candidate <= span.to + s + tolerance)
                return candidate;
        }
        return std::nullopt;
    };

    std::vector<PageOp> ops;
    std::vector<std::size_t> boxes;
    double textLeft = from;
    double textRight = cutX;
    for (const PageOp& op : circle.ops) {
        const bool mark = op.kind == PageOp::Kind::Stroke && op.dx == 0;
        if (mark) {
            if (const std::optional<double> x = within(op.x, kMarkTolerance); x && kept(*x)) {
                PageOp placed = op;
                placed.x = *x;
                ops.push_back(placed);
            }
        } else if (op.kind == PageOp::Kind::Text) {
            // A number belongs to the long mark it is centred on, or nearest to; on a ring whose
            // zero falls between long marks, to the division it stands in, and goes with both its ends.
            const double centre = (m_ink.left(op) + m_ink.right(op)) / 2;
            const bool between = std::fmod(strip.zeroAt, strip.unitsPerDivision) != 0;
            const double at = (centre - strip.left) / s;
            const long division = std::lround(between ? std::floor(at) : at);
            const std::optional<double> x = within(strip.left + division * s, kMarkTolerance);
            if (x && kept(between ? *x + s : *x) && (!between || within(*x + s, kMarkTolerance))) {
                PageOp number = op;
                number.x += *x - (strip.left + division * s);
                textLeft = std::min(textLeft, m_ink.glyphLeft(number) - kBoxMargin);
                textRight = std::max(textRight, m_ink.glyphRight(number) + kBoxMargin);
                ops.push_back(number);
            }
        } else {
            // A stretch along the strip: a box, a line. One that runs the whole strip runs round.
            const double a = std::min(op.x, op.x + op.dx);
            const double b = std::max(op.x, op.x + op.dx);
            const bool round = b - a >= L - kMarkTolerance;
            for (const double shift : { 0.0, L }) {
                const double left = round ? from : std::max(a + shift, from);
                const double right = round ? cutX : std::min(b + shift, cutX);
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
    // A black ring cut at a joint still holds the numbers at its ends, inside its outline.
    textLeft = std::max(textLeft, from - s / 2);
    textRight = std::min(textRight, cutX);
    for (std::size_t i : boxes) {
        ops[i].x = textLeft;
        ops[i].dx = textRight - textLeft;
    }

    const double lineHeight = m_ink.lineHeight(kLabelFont, kLabelPoints);
    const double labelTop = circle.depth + kLabelGap;
    const double bottom = labelTop + kLabelLines * lineHeight;
    const double startX = from - s / 2;
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
    PageOp cutLine = span.joinsNext
        ? PageOp::stroke(cutX, -ringfit::kCutOverhang, 0, bottom + ringfit::kCutOverhang)
        : PageOp::stroke(cutX, 0, 0, circle.depth);
    cutLine.cut = true;
    ops.push_back(cutLine);
    for (std::size_t i : boxes) {
        ops.push_back(
            PageOp::stroke(cutX, std::min(ops[i].y, ops[i].y + ops[i].dy), 0, std::fabs(ops[i].dy), kWhite));
    }

    const double middle = (from + span.to) / 2;
    // Read from outside, the line nearest the centre is the top one.
    const auto centred = [&](int line, const QString& text) {
        const double top = labelTop + (m_fromCentre ? line : kLabelLines - 1 - line) * lineHeight;
        PageOp label = pageText(0, top, text, kLabelPoints);
        label.x = middle - m_ink.textWidth(label) / 2;
        ops.push_back(label);
    };
    centred(0, span.note.range);
    centred(1, radiusLabel(circle.outer, m_inches));
    const double chord = 2 * circle.outer * std::sin(std::numbers::pi * (span.to - from) / L);
    centred(2, chordLabel(span.chordRange, chord, m_inches));
    // Each joint's letter stands left of its cut line, at the same place of the ring on both pieces.
    const auto joint = [&](double cut, const QString& letter) {
        if (letter.isEmpty())
            return;
        PageOp label = pageText(0, labelTop, letter, kLabelPoints);
        label.x = cut - kJointLabelGap - m_ink.textWidth(label);
        ops.push_back(label);
    };
    joint(from + s / 2, span.note.startJoint);
    joint(cutX, span.note.endJoint);

    // Read from outside, a sector points down so that its texts stand upright on the sheet.
    const double pointing = m_fromCentre ? orientation : orientation + 180;
    const RingShape shape = circle.shape(pointing - circle.angle(middle));
    for (PageOp& op : ops)
        op = bend(op, shape, m_ink);
    return ops;
}

std::vector<PageOp> RingMaker::arc(const Circle& circle, double orientation, bool centre) const
{
    const StripGeometry& strip = circle.strip;
    const double lead = circle.spacing / 2;
    const double from = strip.left + strip.arcStart;
    const double to = from + strip.arcLength;
    std::vector<PageOp> ops = arccut::keep(circle.ops, strip, m_ink);
    // The outline: outer and inner edge, and a radial edge half a long division beyond each end mark.
    const auto outline = [&ops](PageOp op) {
        op.cut = true;
        ops.push_back(op);
    };
    for (const double y : { 0.0, circle.depth })
        outline(PageOp::stroke(from - lead, y, to - from + 2 * lead, 0));
    outline(PageOp::stroke(from - lead, 0, 0, circle.depth));
    outline(PageOp::stroke(to + lead, 0, 0, circle.depth));

    // The labels to place it with a ruler, inside its inner edge at its middle.
    const double middle = (from + to) / 2;
    const double lineHeight = m_ink.lineHeight(kLabelFont, kLabelPoints);
    const double labelTop = circle.depth + kLabelGap;
    const auto centred = [&](double top, const QString& text) {
        PageOp label = pageText(0, top, text, kLabelPoints);
        label.x = middle - m_ink.textWidth(label) / 2;
        ops.push_back(label);
    };
    const double chord = 2 * circle.outer * std::sin(std::numbers::pi * strip.arcLength / circle.length);
    centred(labelTop, radiusLabel(circle.outer, m_inches));
    centred(labelTop + lineHeight, chordLabel(strip.arcLabel, chord, m_inches));

    // Read from outside, it points down so that its texts stand upright on the sheet, as a sector's.
    const double pointing = m_fromCentre ? orientation : orientation + 180;
    const RingShape shape = circle.shape(pointing - circle.angle(middle));
    for (PageOp& op : ops)
        op = bend(op, shape, m_ink);
    if (centre) {
        ops.push_back(PageOp::stroke(-kCentreCrossHalf, 0, 2 * kCentreCrossHalf, 0));
        ops.push_back(PageOp::stroke(0, -kCentreCrossHalf, 0, 2 * kCentreCrossHalf));
    }
    return ops;
}
