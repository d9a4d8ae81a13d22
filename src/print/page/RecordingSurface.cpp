#include "print/page/RecordingSurface.h"

#include "common/RuntimeError.h"

#include <cmath>
#include <limits>

RecordingSurface::RecordingSurface(
    qint32 widthTwips, std::shared_ptr<const TextMetrics> metrics, Delivery delivery)
    : m_width(widthTwips)
    , m_metrics(std::move(metrics))
    , m_delivery(std::move(delivery))
{ }

qint32 RecordingSurface::width()
{
    return m_width;
}

void RecordingSurface::setJobStart(qint16 setting)
{
    if (setting != static_cast<qint16>(ScaleMode::Twips) && setting != static_cast<qint16>(ScaleMode::Points))
        throw RuntimeError::invalidPropertyValue();
    m_scale = static_cast<ScaleMode>(setting);
}

double RecordingSurface::unit() const
{
    return m_scale == ScaleMode::Points ? kTwipsPerPoint : 1.0;
}

double RecordingSurface::toTwips(float value) const
{
    // A page coordinate is a 32-bit twip value on the device; nan and inf would reach the
    // printer as garbage.
    const double twips = value * unit();
    if (!std::isfinite(twips) || std::fabs(twips) > std::numeric_limits<qint32>::max())
        throw RuntimeError::overflow();
    return twips;
}

void RecordingSurface::setCurrentX(float x)
{
    m_currentX = toTwips(x);
}

void RecordingSurface::setCurrentY(float y)
{
    m_currentY = toTwips(y);
}

void RecordingSurface::setForeColor(Rgb colour)
{
    m_foreColor = colour & 0xFFFFFF;
}

void RecordingSurface::setDrawWidth(qint16 dots)
{
    if (dots < 1)
        throw RuntimeError::invalidPropertyValue();
    m_drawWidth = dots;
}

void RecordingSurface::setFontName(const QString& name)
{
    m_fontName = name;
}

void RecordingSurface::setFontSize(float points)
{
    if (!(points > 0.0f && points <= 2048.0f))
        throw RuntimeError::invalidPropertyValue();
    m_fontSize = points;
}

float RecordingSurface::textWidth(const QString& text)
{
    return static_cast<float>(m_metrics->width(text, m_fontName, m_fontSize) / unit());
}

float RecordingSurface::textHeight(const QString& text)
{
    return static_cast<float>(m_metrics->height(text, m_fontName, m_fontSize) / unit());
}

void RecordingSurface::open()
{
    if (m_state == DocumentState::Open)
        return;
    m_page = Page();
    m_state = DocumentState::Open;
}

void RecordingSurface::print(const QString& text)
{
    open();
    PageOp op;
    op.kind = PageOp::Kind::Text;
    op.x = m_currentX;
    op.y = m_currentY;
    op.colour = m_foreColor;
    op.penDots = m_drawWidth;
    op.text = text;
    op.fontName = m_fontName;
    op.fontPoints = m_fontSize;
    m_page.ops.push_back(op);
    // Like a line printer: back to the left margin, one line down.
    m_currentX = 0;
    m_currentY += m_metrics->height(text, m_fontName, m_fontSize);
}

void RecordingSurface::print(qint16 number)
{
    const QString digits = QString::number(qAbs(static_cast<int>(number)));
    print((number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QStringLiteral(" "));
}

void RecordingSurface::line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour)
{
    if (flags != LineFlags::Stroke && flags != LineFlags::FilledBox)
        throw RuntimeError::invalidPropertyValue();
    PageOp op;
    op.kind = flags == LineFlags::Stroke ? PageOp::Kind::Stroke : PageOp::Kind::FilledBox;
    op.x = toTwips(x1);
    op.y = toTwips(y1);
    op.dx = toTwips(dx);
    op.dy = toTwips(dy);
    open();
    op.colour = colour & 0xFFFFFF;
    op.penDots = m_drawWidth;
    m_page.ops.push_back(op);
}

void RecordingSurface::beginRow(const PageRow& row)
{
    open();
    m_page.rows.push_back(row);
    m_page.rows.back().firstOp = m_page.ops.size();
}

void RecordingSurface::endDoc()
{
    if (m_state != DocumentState::Open)
        return;
    // A document the printer refused stays open: ending it again must try again, not look done.
    deliver(m_page);
    m_state = DocumentState::Ended;
    m_endedPages.push_back(m_page);
}

void RecordingSurface::killDoc()
{
    m_state = DocumentState::Killed;
    m_page = Page();
}

void RecordingSurface::deliver(const Page& page)
{
    if (m_delivery)
        m_delivery(page);
}
