#include "print/sheets/InkExtents.h"

#include "print/page/PageUnits.h"

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
    if (op.kind != PageOp::Kind::Text)
        return left(op);
    qsizetype blanks = 0;
    while (blanks < op.text.size() && op.text[blanks] == QLatin1Char(' '))
        ++blanks;
    return op.x + m_metrics.width(op.text.left(blanks), op.fontName, op.fontPoints);
}

double InkExtents::glyphRight(const PageOp& op) const
{
    if (op.kind != PageOp::Kind::Text)
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

double InkExtents::left(const PageOp& op) const
{
    return op.kind == PageOp::Kind::Text ? op.x : std::min(op.x, op.x + op.dx) - penAcross(op, op.dx);
}

double InkExtents::right(const PageOp& op) const
{
    return op.kind == PageOp::Kind::Text ? op.x + textWidth(op)
                                         : std::max(op.x, op.x + op.dx) + penAcross(op, op.dx);
}

double InkExtents::top(const PageOp& op) const
{
    return op.kind == PageOp::Kind::Text ? op.y : std::min(op.y, op.y + op.dy) - penAcross(op, op.dy);
}

double InkExtents::bottom(const PageOp& op) const
{
    if (op.kind == PageOp::Kind::Text)
        return op.y + (op.text.trimmed().isEmpty() ? 0.0 : lineHeight(op.fontName, op.fontPoints));
    return std::max(op.y, op.y + op.dy) + penAcross(op, op.dy);
}
