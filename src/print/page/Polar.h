#pragma once

#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <numbers>

/// Points and extents on circles, with angles in degrees clockwise from 12 o'clock on a page whose
/// y grows downwards.
namespace polar {

inline double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

inline QPointF point(QPointF centre, double radius, double degrees)
{
    const double a = radians(degrees);
    return { centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a) };
}

/// The bounding box of the arc of the circle from start clockwise by sweep.
inline QRectF arcBounds(QPointF centre, double radius, double start, double sweep)
{
    if (sweep < 0) {
        start += sweep;
        sweep = -sweep;
    }
    const QPointF a = point(centre, radius, start);
    const QPointF b = point(centre, radius, start + sweep);
    double left = std::min(a.x(), b.x());
    double right = std::max(a.x(), b.x());
    double top = std::min(a.y(), b.y());
    double bottom = std::max(a.y(), b.y());
    // The arc reaches the circle's extreme at every quarter it passes.
    const double end = start + std::min(sweep, 360.0);
    for (double q = std::ceil(start / 90.0) * 90.0; q <= end; q += 90.0) {
        const QPointF p = point(centre, radius, q);
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

/// The point p turned clockwise by degrees about the centre.
inline QPointF turned(QPointF p, QPointF centre, double degrees)
{
    const double a = radians(degrees);
    const double dx = p.x() - centre.x();
    const double dy = p.y() - centre.y();
    return { centre.x() + dx * std::cos(a) - dy * std::sin(a),
        centre.y() + dx * std::sin(a) + dy * std::cos(a) };
}

} // namespace polar
