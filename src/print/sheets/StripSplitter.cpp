#include "print/sheets/StripSplitter.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"
#include "print/sheets/ArcCut.h"
#include "print/sheets/ClosingTab.h"
#include "print/sheets/MeasuringBar.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kMarkTolerance = 1.0; // marks at a segment's end belong to it; marks stand 29+ apart
constexpr double kLabelGap = 60; // from the strip's lowest drawing to the label line
constexpr double kLabelPoints = 8;
constexpr double kJointLabelGap = 60; // from a joint label to the cut line it names
constexpr double kCutOverhang = 150; // the cut line reaches this far above the strip
constexpr double kRowGap = 200;
constexpr double kBoxMargin = 40; // black kept beside the end numbers of a white-on-black segment
constexpr double kWidestHalfPen = 5 * 2.4 / 2; // the box's edge, drawn with at most 5 dots

} // namespace

/// One op of the strip with what decides its segments: a mark's place, a number's long mark, or
/// the stretch of a box.
struct StripSplitter::Placed {
    const PageOp* op;
    enum class Anchor { Mark, Division, Stretch } anchor;
    double position; ///< the mark's x, or the stretch's left end
    double end; ///< the stretch's right end
    int division; ///< the number's long mark
    double left; ///< ink extent as drawn
    double right;
    double glyphLeft; ///< a number's digits, for the box behind them
    double glyphRight;
};

/// The cutting of one strip into segments.
class StripSplitter::Cut {
public:
    Cut(const StripSplitter& splitter, const std::vector<PageOp>& ops, const StripGeometry& strip)
        : m_ink(splitter.m_ink)
        , m_strip(strip)
        , m_spacing(strip.length / strip.divisions)
        , m_limit(splitter.m_format.paper.printableWidth() / splitter.m_format.factorAcross())
        , m_between(std::fmod(strip.zeroAt, strip.unitsPerDivision) != 0)
    {
        for (const PageOp& op : ops)
            m_placed.push_back(place(op));
        // Room on the left for what overhangs a long mark a segment starts with (a centred number).
        double pad = 0;
        for (const Placed& p : m_placed) {
            if (p.anchor != Placed::Anchor::Division || p.division == 0 || p.division == strip.divisions)
                continue;
            // The number itself, and the black a box cut here keeps left of its digits.
            const double left = std::min(p.left, p.glyphLeft - kBoxMargin - kWidestHalfPen);
            const double overhang = strip.left + p.division * m_spacing - left;
            pad = std::max(pad, overhang - strip.left);
        }
        m_origin = strip.left + pad;
        // An arc's blank end before its first mark: room on its first segment alone.
        m_firstOrigin = strip.left + std::max(pad, strip.lead);
        for (const Placed& p : m_placed)
            m_height = std::max(m_height, m_ink.bottom(*p.op));
    }

    std::vector<Segment> segments() const
    {
        std::vector<Segment> result;
        const int n = m_strip.divisions;
        int first = 0;
        for (;;) {
            int last = std::min(
                n, first + static_cast<int>(std::floor((m_limit - origin({ first, first })) / m_spacing)));
            while (last > first + 1 && rightEdge({ first, last }) > m_limit)
                --last;
            if (last < first + 2 && last < n)
                throw RuntimeError::invalidPropertyValue(); // refused before printing: see stripfit
            result.push_back({ first, last });
            if (last >= n)
                return result;
            first = last - 1;
        }
    }

    /// The segment's drawing, y from the row's top.
    std::vector<PageOp> draw(const Segment& segment) const
    {
        std::vector<PageOp> ops;
        const double from = m_strip.left + segment.first * m_spacing;
        const double to = m_strip.left + segment.last * m_spacing;
        const double start = origin(segment);
        const double shift = start - from;
        std::vector<std::size_t> cutLeft;
        std::vector<std::size_t> cutRight;
        double textLeft = start;
        double textRight = start + (to - from);
        for (const Placed& p : m_placed) {
            std::optional<PageOp> kept = keep(p, segment);
            if (!kept)
                continue;
            kept->x += shift;
            if (p.anchor == Placed::Anchor::Division) {
                textLeft = std::min(textLeft, p.glyphLeft + shift - kBoxMargin);
                textRight = std::max(textRight, p.glyphRight + shift + kBoxMargin);
            } else if (p.anchor == Placed::Anchor::Stretch) {
                // An arc's free ends are no joints.
                const bool freeStart = m_strip.lead > 0 && segment.first == 0;
                const bool freeEnd = m_strip.lead > 0 && segment.last == m_strip.divisions;
                if (p.position < from && !freeStart)
                    cutLeft.push_back(ops.size());
                if (p.end > to && !freeEnd)
                    cutRight.push_back(ops.size());
            }
            ops.push_back(*kept);
        }
        // A box cut at a joint still holds the numbers at its ends: white on black stays readable.
        for (std::size_t i : cutLeft) {
            ops[i].dx += ops[i].x - textLeft;
            ops[i].x = textLeft;
        }
        for (std::size_t i : cutRight)
            ops[i].dx = textRight - ops[i].x;
        return ops;
    }

    /// Where the segment's first long mark stands on its sheet.
    double origin(const Segment& segment) const { return segment.first == 0 ? m_firstOrigin : m_origin; }
    double spacing() const { return m_spacing; }
    double height() const { return m_height; }

private:
    Placed place(const PageOp& op) const
    {
        Placed p { &op, Placed::Anchor::Stretch, 0, 0, 0, m_ink.left(op), m_ink.right(op),
            m_ink.glyphLeft(op), m_ink.glyphRight(op) };
        if (op.kind == PageOp::Kind::Stroke && op.dx == 0) {
            p.anchor = Placed::Anchor::Mark;
            p.position = op.x;
        } else if (op.kind == PageOp::Kind::Text) {
            // A number belongs to the long mark it is centred on, or nearest to; on a strip whose
            // ends fall between long marks, to the division it stands in, by its left end.
            p.anchor = Placed::Anchor::Division;
            const double centre = (op.x + p.right) / 2;
            const double at = (centre - m_strip.left) / m_spacing;
            p.division = std::clamp(static_cast<int>(m_between ? std::floor(at) : std::lround(at)), 0,
                m_strip.divisions - (m_between ? 1 : 0));
        } else {
            p.position = std::min(op.x, op.x + op.dx);
            p.end = std::max(op.x, op.x + op.dx);
        }
        return p;
    }

    std::optional<PageOp> keep(const Placed& p, const Segment& segment) const
    {
        double from = m_strip.left + segment.first * m_spacing;
        double to = m_strip.left + segment.last * m_spacing;
        // An arc's blank ends, with the cut lines across them, go with its first and last segments.
        if (m_strip.lead > 0) {
            if (segment.first == 0)
                from -= m_strip.lead;
            if (segment.last == m_strip.divisions)
                to += m_strip.tail;
        }
        switch (p.anchor) {
        case Placed::Anchor::Mark:
            if (p.position < from - kMarkTolerance || p.position > to + kMarkTolerance)
                return std::nullopt;
            return *p.op;
        case Placed::Anchor::Division:
            if (p.division < segment.first || p.division + (m_between ? 1 : 0) > segment.last)
                return std::nullopt;
            return *p.op;
        case Placed::Anchor::Stretch: {
            const double left = std::max(p.position, from);
            const double right = std::min(p.end, to);
            if (right <= left)
                return std::nullopt;
            PageOp clipped = *p.op;
            clipped.x = left;
            clipped.dx = right - left;
            return clipped;
        }
        }
        return std::nullopt;
    }

    double rightEdge(const Segment& segment) const
    {
        double right = origin(segment);
        for (const PageOp& op : draw(segment))
            right = std::max(right, m_ink.right(op));
        return right;
    }

    const InkExtents& m_ink;
    StripGeometry m_strip;
    double m_spacing;
    double m_limit; // the printable width as drawn, before the printer's correction
    bool m_between; // the numbers stand between the long marks the segments end at
    double m_origin = 0;
    double m_firstOrigin = 0;
    double m_height = 0;
    std::vector<Placed> m_placed;
};

StripSplitter::StripSplitter(const SheetFormat& format, const InkExtents& ink)
    : m_format(format)
    , m_ink(ink)
{ }

QString StripSplitter::jointLabel(int joint)
{
    QString label;
    for (int rest = joint + 1; rest > 0; rest = (rest - 1) / 26)
        label.prepend(QChar(u'A' + (rest - 1) % 26));
    return label;
}

QString StripSplitter::rangeLabel(const StripGeometry& strip, const Segment& segment)
{
    if (arccut::readsAsArc(strip)) {
        return arccut::rangeLabel(
            strip, segment.first * strip.unitsPerDivision, segment.last * strip.unitsPerDivision);
    }
    // Readings past the full circle start again from 0; a segment may end at the full circle.
    const double circle = strip.divisions * strip.unitsPerDivision;
    const double from = std::fmod(segment.first * strip.unitsPerDivision + strip.zeroAt, circle);
    double to = segment.last * strip.unitsPerDivision + strip.zeroAt;
    if (to > circle)
        to -= circle;
    return numeric::generalForm(from) + strip.unit + QLatin1Char('-') + numeric::generalForm(to) + strip.unit;
}

QString StripSplitter::closingLabel()
{
    return QStringLiteral("Z");
}

// The segment ends at its cut line: the marks and number past it are the next segment's, which
// carries them from under this one; a box or line along the strip stops there.
void StripSplitter::endAtCut(std::vector<PageOp>& ops, double cutX) const
{
    constexpr double kTolerance = 1.0;
    std::vector<PageOp> kept;
    for (PageOp op : ops) {
        if (op.kind == PageOp::Kind::Text) {
            if ((m_ink.glyphLeft(op) + m_ink.glyphRight(op)) / 2 > cutX)
                continue;
        } else if (op.kind == PageOp::Kind::Stroke && op.dx == 0) {
            if (op.x > cutX + kTolerance)
                continue;
        } else if (op.kind == PageOp::Kind::Stroke || op.kind == PageOp::Kind::FilledBox) {
            const double left = std::min(op.x, op.x + op.dx);
            const double right = std::max(op.x, op.x + op.dx);
            if (left >= cutX)
                continue;
            if (right > cutX) {
                op.x = left;
                op.dx = cutX - left;
            }
        }
        kept.push_back(std::move(op));
    }
    ops = std::move(kept);
}

// A joint's letter stands left of its cut line, at the same place of the strip on both pieces.
void StripSplitter::addLetter(
    std::vector<PageOp>& ops, double cutX, double labelTop, const QString& letter) const
{
    PageOp joint = pageText(0, labelTop, letter, kLabelPoints);
    joint.x = cutX - kJointLabelGap - m_ink.textWidth(joint);
    ops.push_back(joint);
}

void StripSplitter::addCut(
    std::vector<PageOp>& ops, double cutX, double labelTop, double rowHeight, const QString& letter) const
{
    addLetter(ops, cutX, labelTop, letter);
    PageOp cutLine = PageOp::stroke(cutX, -kCutOverhang, 0, rowHeight + kCutOverhang);
    cutLine.cut = true;
    ops.push_back(cutLine);
    // Across a black box the line is drawn white, so it shows there too.
    std::vector<PageOp> over;
    for (const PageOp& op : ops) {
        if (op.kind == PageOp::Kind::FilledBox && op.colour == kBlack && std::min(op.x, op.x + op.dx) <= cutX
            && std::max(op.x, op.x + op.dx) >= cutX)
            over.push_back(PageOp::stroke(cutX, std::min(op.y, op.y + op.dy), 0, std::fabs(op.dy), kWhite));
    }
    ops.insert(ops.end(), over.begin(), over.end());
}

SheetRow StripSplitter::closeWhole(std::vector<PageOp> rowOps, const StripGeometry& strip, double pitch) const
{
    double height = 0;
    for (const PageOp& op : rowOps)
        height = std::max(height, m_ink.bottom(op));
    const double labelTop = height + kLabelGap;
    const double rowHeight = labelTop + m_ink.lineHeight(QStringLiteral("Arial"), kLabelPoints);
    const double d = strip.length / strip.divisions;
    addLetter(rowOps, strip.left + d / 2, labelTop, closingLabel());
    addCut(rowOps, strip.left + strip.length + d / 2, labelTop, rowHeight, closingLabel());
    SheetRow row;
    row.ops = std::move(rowOps);
    row.height = rowHeight;
    row.pitch = std::max(pitch, rowHeight + kRowGap);
    return row;
}

std::vector<SheetRow> StripSplitter::split(
    const std::vector<PageOp>& rowOps, const StripGeometry& strip, double pitch, bool closingTab) const
{
    if (!(strip.divisions > 0 && strip.length > 0 && std::isfinite(strip.length)))
        throw RuntimeError::invalidPropertyValue();
    const Cut cut(*this, rowOps, closingTab ? closingtab::withTab(strip) : strip);
    const std::vector<Segment> segments = cut.segments();
    const double labelTop = cut.height() + kLabelGap;
    const double labelHeight = m_ink.lineHeight(QStringLiteral("Arial"), kLabelPoints);
    const double rowHeight = labelTop + labelHeight;
    const double d = cut.spacing();

    // With a tab, "Z" names its joint alone; the segments' joints go from "Y" on to "AA".
    const auto joint = [closingTab](std::size_t i) {
        const int number = static_cast<int>(i);
        return jointLabel(closingTab && number >= 25 ? number + 1 : number);
    };
    std::vector<SheetRow> rows;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const Segment& segment = segments[i];
        const bool first = i == 0;
        const bool last = i + 1 == segments.size();
        SheetRow row;
        row.ops = cut.draw(segment);
        const double span = (segment.last - segment.first) * d;

        PieceNote note;
        note.first = segment.first;
        note.last = segment.last;
        note.range = rangeLabel(strip, segment);
        PageOp range = pageText(0, labelTop, note.range, kLabelPoints);
        range.x = cut.origin(segment) + span / 2 - m_ink.textWidth(range) / 2;
        row.ops.push_back(range);
        if (!first || closingTab) {
            note.startJoint = first ? closingLabel() : joint(i - 1);
            addLetter(row.ops, cut.origin(segment) + d / 2, labelTop, note.startJoint);
        }
        if (!last || closingTab) {
            note.endJoint = last ? closingLabel() : joint(i);
            const double cutX = cut.origin(segment) + span - d / 2;
            endAtCut(row.ops, cutX);
            addCut(row.ops, cutX, labelTop, rowHeight, note.endJoint);
        }
        row.height = rowHeight;
        row.pitch = std::max(pitch, rowHeight + kRowGap);
        row.pieces.push_back(note);
        rows.push_back(std::move(row));
    }
    return rows;
}
