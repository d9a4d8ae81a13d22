#include "print/render/OpOutlines.h"

#include "print/render/OpGeometry.h"

#include "print/page/PageFont.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace opoutline {

using namespace opgeometry;

double penWidth(const PageOp& op)
{
    return qMax<qint16>(1, op.penDots) * kTwipsPerDot;
}

namespace {

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

} // namespace

QPainterPath Glyphs::of(const PageOp& op)
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

QPainterPath ink(const PageOp& op, Glyphs& glyphs)
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

} // namespace opoutline
