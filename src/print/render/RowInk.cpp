#include "print/render/RowInk.h"

#include <QTransform>
#include <algorithm>
#include <numeric>

namespace {

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

/// An upright rectangle, as boxOutline makes it.
bool isBox(const QPainterPath& path)
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

} // namespace

void RowInk::add(QPainterPath shape, bool paper)
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

std::vector<QPainterPath> RowInk::takeBlack()
{
    settlePaper();
    std::erase_if(m_black, [](const QPainterPath& path) { return path.isEmpty(); });
    return std::move(m_black);
}

void RowInk::settlePaper()
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
