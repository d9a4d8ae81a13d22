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
    /// Texts read from the ring's centre (a disc) rather than from outside it (a ground board).
    bool fromCentre = false;

    double angle(double x) const { return turn + 360.0 * (x - left) / length; }
    double radius(double y) const { return outer - y; }
    QPointF point(double x, double y) const;
};

/// The op as the ring shows it: a mark across the strip becomes radial, a line along it and a box
/// become an arc and a piece of annulus, a text stays straight and centred on its angle in the band
/// of the strip it stood in, its baseline along the circle: its top toward the centre (upright to
/// someone outside the ring), or away from it when the ring is read from its centre.
PageOp bend(const PageOp& op, const RingShape& ring, const InkExtents& ink);
