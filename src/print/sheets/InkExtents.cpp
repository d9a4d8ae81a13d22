#include "print/sheets/InkExtents.h"

#include "print/page/PageUnits.h"
#include "print/page/Polar.h"

#include <algorithm>

namespace {

double halfPen(const PageOp& op)
{
    return std::max<qint16>(1, op.penDots) * kTwipsPerDot / 2;
}

/// How far the pen reaches past a stroke's or box's end points along an axis where it extends by
/// `extent`: a box's edge is drawn with the pen all round; a stroke's ends are flat, so the pen
/// shows only across a stroke that doesn't run along this axis.
double penAcross(const PageOp& op, double extent)
{
    return op.kind == PageOp::Kind::FilledBox || extent == 0 ? halfPen(op) : 0.0;
}

} // namespace

InkExtents::InkExtents(const TextMetrics& metrics)
    : m_metrics(metrics)
{ }

double InkExtents::textWidth(const PageOp& op) const
{
    return op.kind == PageOp::Kind::Text ? m_metrics.width(op.text, op.fontName, op.fontPoints) : 0.0;
}

double InkExtents::glyphLeft(const PageOp& op) const
{
    if (op.kind != PageOp::Kind::Text || op.rotation != 0)
        return left(op);
    qsizetype blanks = 0;
    while (blanks < op.text.size() && op.text[blanks] == QLatin1Char(' '))
        ++blanks;
    return op.x + m_metrics.width(op.text.left(blanks), op.fontName, op.fontPoints);
}

double InkExtents::glyphRight(const PageOp& op) const
{
    if (op.kind != PageOp::Kind::Text || op.rotation != 0)
        return right(op);
    qsizetype end = op.text.size();
    while (end > 0 && op.text[end - 1] == QLatin1Char(' '))
        --end;
    return op.x + m_metrics.width(op.text.left(end), op.fontName, op.fontPoints);
}

double InkExtents::lineHeight(const QString& fontName, double points) const
{
    const auto key = std::make_pair(fontName, points);
    const auto found = m_heights.find(key);
    if (found != m_heights.end())
        return found->second;
    const double height = m_metrics.height(QStringLiteral("0"), fontName, points);
    m_heights.emplace(key, height);
    return height;
}

QRectF InkExtents::bounds(const PageOp& op) const
{
    switch (op.kind) {
    case PageOp::Kind::Stroke:
    case PageOp::Kind::FilledBox: {
        const double acrossX = penAcross(op, op.dx);
        const double acrossY = penAcross(op, op.dy);
        return QRectF(QPointF(std::min(op.x, op.x + op.dx) - acrossX, std::min(op.y, op.y + op.dy) - acrossY),
            QPointF(std::max(op.x, op.x + op.dx) + acrossX, std::max(op.y, op.y + op.dy) + acrossY));
    }
    case PageOp::Kind::Text: {
        const double height = op.text.trimmed().isEmpty() ? 0.0 : lineHeight(op.fontName, op.fontPoints);
        const QPointF corner(op.x, op.y);
        if (op.rotation == 0)
            return QRectF(corner, QSizeF(textWidth(op), height));
        const double width = textWidth(op);
        double left = op.x;
        double right = op.x;
        double top = op.y;
        double bottom = op.y;
        for (const QPointF& p : { QPointF(op.x + width, op.y), QPointF(op.x, op.y + height),
                 QPointF(op.x + width, op.y + height) }) {
            const QPointF q = polar::turned(p, corner, op.rotation);
            left = std::min(left, q.x());
            right = std::max(right, q.x());
            top = std::min(top, q.y());
            bottom = std::max(bottom, q.y());
        }
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    case PageOp::Kind::Arc: {
        const double pen = halfPen(op);
        return polar::arcBounds({ op.x, op.y }, op.radius, op.startAngle, op.sweep)
            .adjusted(-pen, -pen, pen, pen);
    }
    case PageOp::Kind::Annulus: {
        const QPointF centre(op.x, op.y);
        const QRectF outer = polar::arcBounds(centre, op.radius, op.startAngle, op.sweep);
        const QRectF inner = polar::arcBounds(centre, op.innerRadius, op.startAngle, op.sweep);
        return QRectF(QPointF(std::min(outer.left(), inner.left()), std::min(outer.top(), inner.top())),
            QPointF(std::max(outer.right(), inner.right()), std::max(outer.bottom(), inner.bottom())));
    }
    }
    return {};
}

double InkExtents::left(const PageOp& op) const
{
    return bounds(op).left();
}

double InkExtents::right(const PageOp& op) const
{
    return bounds(op).right();
}

double InkExtents::top(const PageOp& op) const
{
    return bounds(op).top();
}

double InkExtents::bottom(const PageOp& op) const
{
    return bounds(op).bottom();
}
