#include "print/sheets/RingBend.h"

#include "print/page/Polar.h"

#include <cmath>

QPointF RingShape::point(double x, double y) const
{
    return polar::point(centre, radius(y), angle(x));
}

PageOp bend(const PageOp& op, const RingShape& ring, const InkExtents& ink)
{
    PageOp bent = op;
    const double degreesPerTwip = 360.0 / ring.length;
    switch (op.kind) {
    case PageOp::Kind::Stroke:
        if (op.dy == 0 && op.dx != 0) {
            bent = PageOp::arc(ring.centre.x(), ring.centre.y(), ring.radius(op.y),
                ring.angle(std::min(op.x, op.x + op.dx)), std::abs(op.dx) * degreesPerTwip, op.colour);
            bent.penDots = op.penDots;
            bent.cut = op.cut;
            return bent;
        } else {
            const QPointF from = ring.point(op.x, op.y);
            const QPointF to = ring.point(op.x + op.dx, op.y + op.dy);
            bent.x = from.x();
            bent.y = from.y();
            bent.dx = to.x() - from.x();
            bent.dy = to.y() - from.y();
            return bent;
        }
    case PageOp::Kind::FilledBox: {
        bent = PageOp::annulus(ring.centre.x(), ring.centre.y(), ring.radius(std::min(op.y, op.y + op.dy)),
            ring.radius(std::max(op.y, op.y + op.dy)), ring.angle(std::min(op.x, op.x + op.dx)),
            std::abs(op.dx) * degreesPerTwip, op.colour);
        bent.cut = op.cut;
        return bent;
    }
    case PageOp::Kind::Text: {
        const double width = ink.textWidth(op);
        const double angle = ring.angle(op.x + width / 2);
        const double a = polar::radians(angle);
        const QPointF along(std::cos(a), std::sin(a)); // clockwise along the circle
        if (ring.fromCentre) {
            // The text's top edge touches the circle at its middle; its corner lies half its width
            // back along the tangent.
            const QPointF top = polar::point(ring.centre, ring.radius(op.y), angle);
            bent.x = top.x() - width / 2 * along.x();
            bent.y = top.y() - width / 2 * along.y();
            bent.rotation = std::fmod(op.rotation + angle, 360.0);
        } else {
            // Turned half round in its own band: its top on the band's inner circle, its corner half
            // its width on along the tangent, reading against the ring's clockwise sense.
            const double height = ink.bounds(op).height();
            const QPointF top = polar::point(ring.centre, ring.radius(op.y + height), angle);
            bent.x = top.x() + width / 2 * along.x();
            bent.y = top.y() + width / 2 * along.y();
            bent.rotation = std::fmod(op.rotation + angle + 180.0, 360.0);
        }
        return bent;
    }
    case PageOp::Kind::Arc:
    case PageOp::Kind::Annulus:
        // Already round: nothing a strip draws.
        return op;
    }
    return bent;
}
