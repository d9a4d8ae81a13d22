#include "print/sheets/InkExtents.h"

#include "print/surface/PageRenderer.h"

#include <algorithm>

namespace {

double halfPen(const PageOp& op)
{
    return std::max<qint16>(1, op.penDots) * PageRenderer::kTwipsPerDot / 2;
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
    switch (op.kind) {
    case PageOp::Kind::Text:
        return op.x;
    case PageOp::Kind::Stroke:
        return std::min(op.x, op.x + op.dx) - (op.dx == 0 ? halfPen(op) : 0);
    case PageOp::Kind::FilledBox:
        return std::min(op.x, op.x + op.dx) - halfPen(op);
    }
    return op.x;
}

double InkExtents::right(const PageOp& op) const
{
    switch (op.kind) {
    case PageOp::Kind::Text:
        return op.x + textWidth(op);
    case PageOp::Kind::Stroke:
        return std::max(op.x, op.x + op.dx) + (op.dx == 0 ? halfPen(op) : 0);
    case PageOp::Kind::FilledBox:
        return std::max(op.x, op.x + op.dx) + halfPen(op);
    }
    return op.x;
}

double InkExtents::top(const PageOp& op) const
{
    switch (op.kind) {
    case PageOp::Kind::Text:
        return op.y;
    case PageOp::Kind::Stroke:
        return std::min(op.y, op.y + op.dy) - (op.dy == 0 ? halfPen(op) : 0);
    case PageOp::Kind::FilledBox:
        return std::min(op.y, op.y + op.dy) - halfPen(op);
    }
    return op.y;
}

double InkExtents::bottom(const PageOp& op) const
{
    switch (op.kind) {
    case PageOp::Kind::Text:
        return op.y + (op.text.trimmed().isEmpty() ? 0.0 : lineHeight(op.fontName, op.fontPoints));
    case PageOp::Kind::Stroke:
        return std::max(op.y, op.y + op.dy) + (op.dy == 0 ? halfPen(op) : 0);
    case PageOp::Kind::FilledBox:
        return std::max(op.y, op.y + op.dy) + halfPen(op);
    }
    return op.y;
}
