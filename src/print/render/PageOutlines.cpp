#include "print/render/PageOutlines.h"

#include "print/page/PageFont.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

bool finite(const PageOp& op)
{
    return std::isfinite(op.x) && std::isfinite(op.y) && std::isfinite(op.dx) && std::isfinite(op.dy)
        && std::isfinite(op.rotation) && std::isfinite(op.radius) && std::isfinite(op.innerRadius)
        && std::isfinite(op.startAngle) && std::isfinite(op.sweep);
}

double penWidth(const PageOp& op)
{
    return qMax<qint16>(1, op.penDots) * kTwipsPerDot;
}

/// Qt counts angles anticlockwise from 3 o'clock; the page clockwise from 12.
double qtAngle(double degrees)
{
    return 90.0 - degrees;
}

QRectF circleBox(const QPointF& centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

bool wholeCircle(double sweep)
{
    return std::abs(sweep) >= 360.0;
}

/// The rectangle a flat-capped pen covers along the stroke, as the printed mark ends.
QPainterPath strokeOutline(const PageOp& op)
{
    const QLineF line(op.x, op.y, op.x + op.dx, op.y + op.dy);
    QPainterPath path;
    if (line.length() <= 0)
        return path;
    const QPointF across = QPointF(-line.dy(), line.dx()) * (penWidth(op) / 2 / line.length());
    path.moveTo(line.p1() + across);
    path.lineTo(line.p2() + across);
    path.lineTo(line.p2() - across);
    path.lineTo(line.p1() - across);
    path.closeSubpath();
    return path;
}

/// A box is edged with the pen too, which reaches half its width past the corners.
QPainterPath boxOutline(const PageOp& op)
{
    const double half = penWidth(op) / 2;
    QPainterPath path;
    path.addRect(QRectF(op.x, op.y, op.dx, op.dy).normalized().adjusted(-half, -half, half, half));
    return path;
}

/// The piece of ring between the radii, from start clockwise by sweep.
QPainterPath ringOutline(const QPointF& centre, double outer, double inner, double start, double sweep)
{
    sweep = std::clamp(sweep, -360.0, 360.0);
    QPainterPath path;
    if (outer <= 0)
        return path;
    const QRectF outerBox = circleBox(centre, outer);
    const QRectF innerBox = circleBox(centre, inner);
    if (wholeCircle(sweep)) {
        // Two circles the opposite way round: the hole stays empty under either fill rule.
        path.arcMoveTo(outerBox, 0);
        path.arcTo(outerBox, 0, -360);
        path.closeSubpath();
        if (inner > 0) {
            path.arcMoveTo(innerBox, 0);
            path.arcTo(innerBox, 0, 360);
            path.closeSubpath();
        }
        return path;
    }
    path.arcMoveTo(outerBox, qtAngle(start));
    path.arcTo(outerBox, qtAngle(start), -sweep);
    if (inner > 0)
        path.arcTo(innerBox, qtAngle(start + sweep), sweep);
    else
        path.lineTo(centre);
    path.closeSubpath();
    return path;
}

/// Glyph outlines of the page's texts, each text turned into paths once.
class GlyphOutlines {
public:
    QPainterPath of(const PageOp& op)
    {
        const QString key
            = op.fontName + QLatin1Char('\n') + QString::number(op.fontPoints) + QLatin1Char('\n') + op.text;
        auto found = m_texts.constFind(key);
        if (found == m_texts.cend()) {
            const QFont font = pageFont(op.fontName, op.fontPoints);
            QPainterPath path;
            // The page gives the text's top-left corner; glyphs stand on the baseline.
            path.addText(QPointF(0, QFontMetricsF(font).ascent()), font, op.text);
            path.setFillRule(Qt::WindingFill);
            found = m_texts.insert(key, path);
        }
        QTransform place;
        place.translate(op.x, op.y);
        place.rotate(op.rotation);
        return place.map(*found);
    }

private:
    QHash<QString, QPainterPath> m_texts;
};

/// Whether the ink of `inner` lies within `outer`, edges it shares with it included: shrunk by a
/// hair about its middle, so that shared edges no longer count as crossing.
bool covers(const QPainterPath& outer, const QPainterPath& inner)
{
    const QPointF middle = inner.boundingRect().center();
    QTransform shrink;
    shrink.translate(middle.x(), middle.y());
    shrink.scale(1 - 1e-6, 1 - 1e-6);
    shrink.translate(-middle.x(), -middle.y());
    return outer.contains(shrink.map(inner));
}

/// Drops the shapes another one covers (a white mark drawn over a shorter one); false when two of
/// the rest still overlap.
bool dropCoveredAndDisjoint(std::vector<QPainterPath>& shapes)
{
    std::sort(shapes.begin(), shapes.end(), [](const QPainterPath& a, const QPainterPath& b) {
        return a.boundingRect().left() < b.boundingRect().left();
    });
    std::vector<QRectF> boxes;
    boxes.reserve(shapes.size());
    for (const QPainterPath& shape : shapes)
        boxes.push_back(shape.boundingRect());
    bool disjoint = true;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        for (std::size_t j = i + 1; j < shapes.size() && boxes[j].left() < boxes[i].right(); ++j) {
            if (shapes[i].isEmpty() || shapes[j].isEmpty() || !boxes[i].intersects(boxes[j]))
                continue;
            if (covers(shapes[i], shapes[j])) {
                shapes[j] = QPainterPath();
            } else if (covers(shapes[j], shapes[i])) {
                shapes[i] = std::move(shapes[j]);
                boxes[i] = boxes[j];
                shapes[j] = QPainterPath();
            } else if (shapes[i].intersects(shapes[j])) {
                disjoint = false;
            }
        }
    }
    std::erase_if(shapes, [](const QPainterPath& shape) { return shape.isEmpty(); });
    return disjoint;
}

/// The ink of one row as it builds up: white ink is the paper showing through, so it is cut out of
/// the black drawn before it.
class RowInk {
public:
    void add(QPainterPath shape, bool paper)
    {
        if (shape.isEmpty())
            return;
        if (paper) {
            m_paper.push_back(std::move(shape));
            return;
        }
        settlePaper();
        shape.setFillRule(Qt::WindingFill);
        m_black.push_back(std::move(shape));
    }

    std::vector<QPainterPath> takeBlack()
    {
        settlePaper();
        std::erase_if(m_black, [](const QPainterPath& path) { return path.isEmpty(); });
        return std::move(m_black);
    }

private:
    void settlePaper()
    {
        if (m_paper.empty())
            return;
        const bool disjoint = dropCoveredAndDisjoint(m_paper);
        QRectF paperBounds;
        for (const QPainterPath& shape : m_paper)
            paperBounds = paperBounds.united(shape.boundingRect());
        for (QPainterPath& path : m_black) {
            const QRectF box = path.boundingRect();
            if (!box.intersects(paperBounds))
                continue;
            // White shapes apart from each other on a box (a strip's band) are its holes, filled
            // even-odd: a tenth of the time of a subtraction, and the glyphs keep their curves. A
            // number past the band's end is cut at it first.
            if (disjoint && isBox(path)) {
                QPainterPath boxPath;
                boxPath.addRect(box);
                path.setFillRule(Qt::OddEvenFill);
                for (const QPainterPath& shape : m_paper) {
                    const QRectF shapeBox = shape.boundingRect();
                    if (box.contains(shapeBox))
                        path.addPath(shape);
                    else if (shapeBox.intersects(box))
                        path.addPath(shape.intersected(boxPath));
                }
                continue;
            }
            QPainterPath paper;
            paper.setFillRule(Qt::WindingFill); // overlapping white stays white
            for (const QPainterPath& shape : m_paper)
                paper.addPath(shape);
            path = path.subtracted(paper);
        }
        m_paper.clear();
    }

    /// An upright rectangle, as boxOutline makes it.
    static bool isBox(const QPainterPath& path)
    {
        if (path.elementCount() != 5)
            return false;
        const QRectF box = path.boundingRect();
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element corner = path.elementAt(i);
            if (corner.isCurveTo() || (corner.x != box.left() && corner.x != box.right())
                || (corner.y != box.top() && corner.y != box.bottom()))
                return false;
        }
        return true;
    }

    std::vector<QPainterPath> m_black;
    std::vector<QPainterPath> m_paper;
};

QPainterPath inkOutline(const PageOp& op, GlyphOutlines& glyphs)
{
    switch (op.kind) {
    case PageOp::Kind::Stroke:
        return strokeOutline(op);
    case PageOp::Kind::FilledBox:
        return boxOutline(op);
    case PageOp::Kind::Text:
        return op.text.isEmpty() ? QPainterPath() : glyphs.of(op);
    case PageOp::Kind::Arc: {
        const double half = penWidth(op) / 2;
        return ringOutline(
            QPointF(op.x, op.y), op.radius + half, std::max(0.0, op.radius - half), op.startAngle, op.sweep);
    }
    case PageOp::Kind::Annulus:
        return ringOutline(QPointF(op.x, op.y), op.radius, op.innerRadius, op.startAngle, op.sweep);
    }
    return {};
}

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
            if (wholeCircle(op.sweep)) {
                out.cutCircles.push_back({ centre, radius });
                continue;
            }
            const double sweep = std::clamp(op.sweep, -360.0, 360.0);
            QPainterPath path;
            path.arcMoveTo(circleBox(centre, radius), qtAngle(op.startAngle));
            path.arcTo(circleBox(centre, radius), qtAngle(op.startAngle), -sweep);
            out.cut.push_back(path);
        }
        return true;
    }
    return false;
}

/// Cutters' programs fill a layer's outlines even-odd, where two overlapping shapes would leave their
/// overlap empty: ink that overlaps other ink becomes one outline with it.
void mergeOverlaps(std::vector<QPainterPath>& paths)
{
    std::vector<QRectF> boxes;
    boxes.reserve(paths.size());
    for (const QPainterPath& path : paths)
        boxes.push_back(path.boundingRect());
    std::vector<std::size_t> order(paths.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return boxes[a].left() < boxes[b].left(); });
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t into = order[i];
        if (paths[into].isEmpty())
            continue;
        for (std::size_t j = i + 1; j < order.size() && boxes[order[j]].left() < boxes[into].right(); ++j) {
            const std::size_t other = order[j];
            if (paths[other].isEmpty() || !boxes[into].intersects(boxes[other])
                || !paths[into].intersects(paths[other]))
                continue;
            // A mark drawn over a shorter one at the same place hides it: the larger is all the ink.
            if (covers(paths[other], paths[into]))
                std::swap(paths[into], paths[other]);
            else if (!covers(paths[into], paths[other]))
                paths[into] = paths[into].united(paths[other]);
            boxes[into] = paths[into].boundingRect();
            paths[other] = QPainterPath();
        }
    }
    std::erase_if(paths, [](const QPainterPath& path) { return path.isEmpty(); });
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

PageOutlines PageOutlines::of(const Page& page)
{
    PageOutlines out;
    GlyphOutlines glyphs;
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

        RowInk ink;
        bool ownCut = false;
        bool bent = false; // a strip bent round (a ring's vernier): its marks are not upright
        for (std::size_t i = first; i < end; ++i) {
            const PageOp& op = page.ops[i];
            if (!finite(op))
                continue;
            bent = bent || (op.kind == PageOp::Kind::Stroke && op.dx != 0 && op.dy != 0);
            if (op.cut && addCut(op, out)) {
                ownCut = true;
                continue;
            }
            ink.add(inkOutline(op, glyphs), op.colour == kWhite);
        }
        std::vector<QPainterPath> black = ink.takeBlack();
        mergeOverlaps(black);
        std::optional<StripGeometry> strip;
        if (!lead)
            strip = page.rows[r].strip;
        if (strip && !ownCut && !black.empty()) {
            const QRectF inkBounds = boundsOf(black);
            QPainterPath outline;
            // A bent strip no longer lies along its note's length: a box round its ink.
            outline.addRect(bent ? inkBounds
                                 : QRectF(QPointF(strip->left, inkBounds.top()),
                                     QPointF(strip->left + strip->length + strip->tail, inkBounds.bottom())));
            out.cut.push_back(outline);
        }
        append(strip || ownCut ? out.engrave : out.notes, std::move(black));
    }

    out.bounds = boundsOf(out.engrave).united(boundsOf(out.notes)).united(boundsOf(out.cut));
    for (const Circle& circle : out.cutCircles)
        out.bounds = out.bounds.united(circleBox(circle.centre, circle.radius));
    return out;
}
