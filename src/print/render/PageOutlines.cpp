#include "print/render/PageOutlines.h"

#include "print/render/HersheyFont.h"
#include "print/render/OpGeometry.h"
#include "print/render/OpOutlines.h"
#include "print/render/RowInk.h"

#include <QHash>
#include <QTransform>
#include <algorithm>

namespace {

/// A line to cut along, as its centre line: true when it was taken.
bool addCut(const PageOp& op, PageOutlines& out)
{
    const QPointF centre(op.x, op.y);
    switch (op.kind) {
    case PageOp::Kind::Text:
        return false;
    case PageOp::Kind::Stroke: {
        if (op.dx != 0 || op.dy != 0) {
            QPainterPath path;
            path.moveTo(op.x, op.y);
            path.lineTo(op.x + op.dx, op.y + op.dy);
            out.cut.push_back(path);
        }
        return true;
    }
    case PageOp::Kind::FilledBox: {
        QPainterPath path;
        path.addRect(QRectF(op.x, op.y, op.dx, op.dy).normalized());
        out.cut.push_back(path);
        return true;
    }
    case PageOp::Kind::Arc:
    case PageOp::Kind::Annulus:
        for (const double radius : { op.radius, op.kind == PageOp::Kind::Annulus ? op.innerRadius : 0.0 }) {
            if (radius <= 0)
                continue;
            if (opgeometry::wholeCircle(op.sweep)) {
                out.cutCircles.push_back({ centre, radius });
                continue;
            }
            const double sweep = std::clamp(op.sweep, -360.0, 360.0);
            QPainterPath path;
            path.arcMoveTo(opgeometry::circleBox(centre, radius), opgeometry::qtAngle(op.startAngle));
            path.arcTo(opgeometry::circleBox(centre, radius), opgeometry::qtAngle(op.startAngle), -sweep);
            out.cut.push_back(path);
        }
        return true;
    }
    return false;
}

/// Texts in a stroke font, each where its filled glyphs stand and as high.
class StrokeText {
public:
    explicit StrokeText(const HersheyFont& font)
        : m_font(font)
    { }

    void add(const PageOp& op, opoutline::Glyphs& glyphs, std::vector<PageOutlines::Line>& score)
    {
        PageOp level = op;
        level.x = 0;
        level.y = 0;
        level.rotation = 0;
        const QPainterPath filled = glyphs.of(level);
        if (filled.isEmpty())
            return; // spaces
        auto found = m_texts.constFind(op.text);
        if (found == m_texts.cend()) {
            Strokes text { m_font.strokes(op.text), {} };
            for (const QPolygonF& line : text.lines)
                text.box = text.box.united(line.boundingRect());
            found = m_texts.insert(op.text, std::move(text));
        }
        if (found->lines.empty())
            return;
        level.text = QStringLiteral("0");
        const QString sizeKey = op.fontName + QLatin1Char('\n') + QString::number(op.fontPoints);
        auto digit = m_digitHeights.constFind(sizeKey);
        if (digit == m_digitHeights.cend())
            digit = m_digitHeights.insert(sizeKey, glyphs.of(level).boundingRect().height());
        const double scale = *digit / HersheyFont::kDigitHeight;
        QTransform place;
        place.translate(op.x, op.y);
        place.rotate(op.rotation);
        place.translate(filled.boundingRect().center().x(), filled.boundingRect().center().y());
        // No wider than the filled text: what stood clear of it still does.
        const double across = found->box.width() > 0
            ? std::min(scale, filled.boundingRect().width() / found->box.width())
            : scale;
        place.scale(across, scale);
        place.translate(-found->box.center().x(), -found->box.center().y());
        // About the stems of the filled digits.
        const double width = *digit / 10;
        for (const QPolygonF& line : found->lines)
            score.push_back({ place.map(line), width });
    }

private:
    struct Strokes {
        std::vector<QPolygonF> lines;
        QRectF box;
    };
    const HersheyFont& m_font;
    QHash<QString, Strokes> m_texts;
    QHash<QString, double> m_digitHeights;
};

/// An op in single strokes: a line along the mark, the text's strokes, round a black area a cut.
void addStrokes(const PageOp& op, const QPainterPath& area, opoutline::Glyphs& glyphs, StrokeText& text,
    std::vector<QPainterPath>& blackAreas, PageOutlines& out)
{
    switch (op.kind) {
    case PageOp::Kind::Stroke:
        if (op.dx != 0 || op.dy != 0)
            out.score.push_back({ QPolygonF { QPointF(op.x, op.y), QPointF(op.x + op.dx, op.y + op.dy) },
                opoutline::penWidth(op) });
        return;
    case PageOp::Kind::Text:
        text.add(op, glyphs, out.score);
        return;
    case PageOp::Kind::Arc: {
        const QRectF box = opgeometry::circleBox(QPointF(op.x, op.y), op.radius);
        const double sweep = std::clamp(op.sweep, -360.0, 360.0);
        QPainterPath path;
        path.arcMoveTo(box, opgeometry::qtAngle(op.startAngle));
        path.arcTo(box, opgeometry::qtAngle(op.startAngle), -sweep);
        for (const QPolygonF& line : path.toSubpathPolygons())
            out.score.push_back({ line, opoutline::penWidth(op) });
        return;
    }
    case PageOp::Kind::FilledBox:
    case PageOp::Kind::Annulus:
        if (op.colour != kWhite)
            blackAreas.push_back(area);
        return;
    }
}

/// A mark drawn over a shorter one on the same line hides it, as the filled drawing merges them:
/// a beam or pen would go over it twice.
void dropCoveredLines(std::vector<PageOutlines::Line>& lines)
{
    QHash<QPair<qint64, qint64>, std::vector<std::size_t>> onLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].points.size() != 2)
            continue;
        QLineF line(lines[i].points[0], lines[i].points[1]);
        double angle = line.angle();
        if (angle >= 180)
            angle -= 180;
        const QPointF unit = QLineF::fromPolar(1, angle).p2();
        const double offset = unit.x() * line.p1().y() - unit.y() * line.p1().x();
        onLine[{ std::llround(angle * 1e6), std::llround(offset * 100) }].push_back(i);
    }
    // Boxes of lines on one line: one within the other is its stretch of it.
    const auto within = [](const QRectF& inner, const QRectF& outer) {
        constexpr double kSlack = 0.01; // twips
        return inner.left() >= outer.left() - kSlack && inner.right() <= outer.right() + kSlack
            && inner.top() >= outer.top() - kSlack && inner.bottom() <= outer.bottom() + kSlack;
    };
    std::vector<bool> dropped(lines.size(), false);
    for (const std::vector<std::size_t>& same : std::as_const(onLine)) {
        for (const std::size_t a : same) {
            const QRectF box = lines[a].points.boundingRect();
            for (const std::size_t b : same) {
                if (a == b || dropped[b])
                    continue;
                const QRectF other = lines[b].points.boundingRect();
                // Of two equal lines the first stays.
                if (within(box, other) && (!within(other, box) || b < a)) {
                    lines[b].width = std::max(lines[b].width, lines[a].width);
                    dropped[a] = true;
                    break;
                }
            }
        }
    }
    std::size_t i = 0;
    std::erase_if(lines, [&](const PageOutlines::Line&) { return dropped[i++]; });
}

/// A strip's ends meet round its circle, or are cut: a number reaching past one is moved inside.
const PageOp& keptInside(
    const PageOp& op, double left, double right, opoutline::Glyphs& glyphs, PageOp& moved)
{
    if (op.kind != PageOp::Kind::Text || op.text.isEmpty())
        return op;
    const QRectF box = glyphs.of(op).boundingRect();
    if (box.isNull() || box.width() > right - left || (box.left() >= left && box.right() <= right))
        return op;
    moved = op;
    moved.x += box.right() > right ? right - box.right() : left - box.left();
    return moved;
}

QRectF boundsOf(const std::vector<QPainterPath>& paths)
{
    QRectF bounds;
    for (const QPainterPath& path : paths)
        bounds = bounds.united(path.boundingRect());
    return bounds;
}

void append(std::vector<QPainterPath>& to, std::vector<QPainterPath>&& from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

PageOutlines PageOutlines::of(const Page& page, const HersheyFont* strokeFont)
{
    PageOutlines out;
    out.strokes = strokeFont != nullptr;
    opoutline::Glyphs glyphs;
    std::optional<StrokeText> strokeText;
    if (strokeFont != nullptr)
        strokeText.emplace(*strokeFont);
    const std::size_t rowCount = page.rows.size();
    // Index rowCount stands for the ops before the first row.
    for (std::size_t r = 0; r <= rowCount; ++r) {
        const bool lead = r == rowCount;
        const std::size_t first = lead ? 0 : std::min(page.rows[r].firstOp, page.ops.size());
        std::size_t end = page.ops.size();
        if (lead)
            end = rowCount > 0 ? std::min(page.rows.front().firstOp, page.ops.size()) : end;
        else if (r + 1 < rowCount)
            end = std::min(page.rows[r + 1].firstOp, page.ops.size());

        std::optional<StripGeometry> strip;
        if (!lead)
            strip = page.rows[r].strip;
        bool ownCut = false;
        bool bent = false; // a strip bent round (a ring's vernier): its marks are not upright
        for (std::size_t i = first; i < end; ++i) {
            const PageOp& op = page.ops[i];
            if (!opgeometry::finite(op))
                continue;
            bent = bent || (op.kind == PageOp::Kind::Stroke && op.dx != 0 && op.dy != 0);
            ownCut = ownCut || (op.cut && op.kind != PageOp::Kind::Text);
        }
        const bool outlined = strip && !ownCut;
        const double stripLeft = strip ? strip->left : 0;
        const double stripRight = strip ? strip->left + strip->length + strip->tail : 0;

        RowInk ink;
        std::vector<QPainterPath> blackAreas; // single strokes: to be outlined
        QRectF strokeBounds; // the ink the filled drawing would have
        const std::size_t scoreBefore = out.score.size();
        for (std::size_t i = first; i < end; ++i) {
            if (!opgeometry::finite(page.ops[i]))
                continue;
            if (page.ops[i].cut && addCut(page.ops[i], out))
                continue;
            PageOp moved;
            const PageOp& op = outlined && !bent
                ? keptInside(page.ops[i], stripLeft, stripRight, glyphs, moved)
                : page.ops[i];
            if (!strokeText) {
                ink.add(opoutline::ink(op, glyphs), op.colour == kWhite);
                continue;
            }
            const QPainterPath area
                = op.kind == PageOp::Kind::Stroke ? QPainterPath() : opoutline::ink(op, glyphs);
            if (op.colour != kWhite) {
                strokeBounds = strokeBounds.united(op.kind == PageOp::Kind::Stroke
                        ? opoutline::ink(op, glyphs).boundingRect()
                        : area.boundingRect());
            }
            addStrokes(op, area, glyphs, *strokeText, blackAreas, out);
        }
        // A stroke font's glyphs may reach a hair past the filled ones.
        for (std::size_t i = scoreBefore; i < out.score.size(); ++i)
            strokeBounds = strokeBounds.united(out.score[i].points.boundingRect());
        std::vector<QPainterPath> black = ink.takeBlack();
        mergeOverlaps(black);
        const QRectF inkBounds = strokeText ? strokeBounds : boundsOf(black);
        if (outlined && !inkBounds.isNull()
            && (strokeText ? out.score.size() > scoreBefore : !black.empty())) {
            QPainterPath outline;
            // A bent strip no longer lies along its note's length: a box round its ink.
            outline.addRect(bent
                    ? inkBounds
                    : QRectF(QPointF(stripLeft, inkBounds.top()), QPointF(stripRight, inkBounds.bottom())));
            out.cut.push_back(outline);
        }
        // A strip's or ring's dark band is the stock it is cut from: its own cut lines go round it
        // (an outline of the band would be cut a hair beside them). The black card is cut round.
        if (!strip && !ownCut)
            std::move(blackAreas.begin(), blackAreas.end(), std::back_inserter(out.cut));
        append(strip || ownCut ? out.engrave : out.notes, std::move(black));
    }

    dropCoveredLines(out.score);
    out.bounds = boundsOf(out.engrave).united(boundsOf(out.notes)).united(boundsOf(out.cut));
    for (const Line& line : out.score)
        out.bounds = out.bounds.united(line.points.boundingRect());
    for (const Circle& circle : out.cutCircles)
        out.bounds = out.bounds.united(opgeometry::circleBox(circle.centre, circle.radius));
    return out;
}
