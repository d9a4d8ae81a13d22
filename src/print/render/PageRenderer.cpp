#include "print/render/PageRenderer.h"

#include "print/page/PageFont.h"
#include "print/page/Polar.h"
#include "print/render/OpGeometry.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

using namespace opgeometry;

namespace {

QColor toColor(Rgb colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
        static_cast<int>((colour >> 16) & 0xFF));
}

QPen dotPen(const PageOp& op)
{
    // FlatCap: a mark ends exactly where the job says; the default square cap would add half the
    // width at each end. MiterJoin keeps the corners of an edged box square.
    QPen pen(toColor(op.colour), qMax<qint16>(1, op.penDots) * kTwipsPerDot, Qt::SolidLine, Qt::FlatCap,
        Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

} // namespace

PageRenderer::PageRenderer(QPainter& painter, int deviceDpi)
    : m_painter(painter)
{
    const double scale = deviceDpi / static_cast<double>(kTwipsPerInch);
    m_painter.resetTransform();
    m_painter.scale(scale, scale);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void PageRenderer::draw(const Page& page)
{
    // The printer's scale correction stretches everything, pens and glyphs included, about the
    // printable area's corner; a factor that is not a sane number is left out.
    const auto factor = [](double value) { return std::isfinite(value) && value > 0 ? value : 1.0; };
    m_painter.save();
    m_painter.scale(factor(page.scaleX), factor(page.scaleY));
    for (const PageOp& op : page.ops) {
        // A coordinate that is not a number would end up as garbage in the printer's data.
        if (!finite(op))
            continue;
        switch (op.kind) {
        case PageOp::Kind::Stroke:
            stroke(op);
            break;
        case PageOp::Kind::FilledBox:
            filledBox(op);
            break;
        case PageOp::Kind::Text:
            text(op);
            break;
        case PageOp::Kind::Arc:
        case PageOp::Kind::Annulus:
            circular(op);
            break;
        }
    }
    m_painter.restore();
}

void PageRenderer::stroke(const PageOp& op)
{
    m_painter.setPen(dotPen(op));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawLine(QPointF(op.x, op.y), QPointF(op.x + op.dx, op.y + op.dy));
}

void PageRenderer::filledBox(const PageOp& op)
{
    m_painter.setPen(dotPen(op));
    m_painter.setBrush(toColor(op.colour));
    m_painter.drawRect(QRectF(op.x, op.y, op.dx, op.dy).normalized());
}

void PageRenderer::text(const PageOp& op)
{
    if (op.text.isEmpty())
        return;
    const QFont font = pageFont(op.fontName, op.fontPoints);
    m_painter.setFont(font);
    m_painter.setPen(toColor(op.colour));
    // The job gives the top-left corner; QPainter wants the baseline.
    const double ascent = QFontMetricsF(font).ascent();
    if (op.rotation == 0) {
        m_painter.drawText(QPointF(op.x, op.y + ascent), op.text);
        return;
    }
    m_painter.save();
    m_painter.translate(op.x, op.y);
    m_painter.rotate(op.rotation);
    m_painter.drawText(QPointF(0, ascent), op.text);
    m_painter.restore();
}

void PageRenderer::circular(const PageOp& op)
{
    const double sweep = std::clamp(op.sweep, -360.0, 360.0);
    QPainterPath path;
    path.arcMoveTo(circleBox(QPointF(op.x, op.y), op.radius), qtAngle(op.startAngle));
    path.arcTo(circleBox(QPointF(op.x, op.y), op.radius), qtAngle(op.startAngle), -sweep);
    if (op.kind == PageOp::Kind::Arc) {
        m_painter.setPen(dotPen(op));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(path);
        return;
    }
    // Back along the inner edge: one closed outline, filled without an edge of its own.
    path.arcTo(circleBox(QPointF(op.x, op.y), op.innerRadius), qtAngle(op.startAngle + sweep), sweep);
    path.closeSubpath();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(toColor(op.colour));
    m_painter.drawPath(path);
}
