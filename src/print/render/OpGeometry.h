#pragma once

#include "print/page/Page.h"

#include <QPointF>
#include <QRectF>
#include <cmath>

/// What the page's painter, outlines and drawings read of an op alike.
namespace opgeometry {

/// Whether every number of the op is one; an op that isn't draws nothing.
inline bool finite(const PageOp& op)
{
    return std::isfinite(op.x) && std::isfinite(op.y) && std::isfinite(op.dx) && std::isfinite(op.dy)
        && std::isfinite(op.rotation) && std::isfinite(op.radius) && std::isfinite(op.innerRadius)
        && std::isfinite(op.startAngle) && std::isfinite(op.sweep);
}

/// Qt counts angles anticlockwise from 3 o'clock; the page clockwise from 12.
inline double qtAngle(double degrees)
{
    return 90.0 - degrees;
}

inline QRectF circleBox(const QPointF& centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

inline bool wholeCircle(double sweep)
{
    return std::abs(sweep) >= 360.0;
}

} // namespace opgeometry
