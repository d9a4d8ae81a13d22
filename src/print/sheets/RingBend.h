#pragma once

#include "print/page/Page.h"
#include "print/sheets/InkExtents.h"

#include <QPointF>

/// A strip bent into a flat ring, its top edge outward: the point x along the strip and y below its
/// top edge lands at angle turn + 360 * (x - left) / length, clockwise from 12 o'clock, and at
/// radius outer - y. Twips.
struct RingShape {
    QPointF centre;
    double outer = 0;
    double length = 0; ///< the circle's strip length: what one turn holds
    double left = 0; ///< where the strip's 0 stands
    double turn = 0;

    double angle(double x) const { return turn + 360.0 * (x - left) / length; }
    double radius(double y) const { return outer - y; }
    QPointF point(double x, double y) const;
};

/// The op as the ring shows it: a mark across the strip becomes radial, a line along it and a box
/// become an arc and a piece of annulus, a text stays straight, centred on its angle with its top
/// away from the centre (upright as read from outside the ring).
PageOp bend(const PageOp& op, const RingShape& ring, const InkExtents& ink);
