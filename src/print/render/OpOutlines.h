#pragma once

#include "print/page/Page.h"

#include <QHash>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

/// The outlines of what a page's ops ink, in twips: strokes as the rectangles their flat-capped pens
/// cover, boxes with their edging pen, arcs and annuli as pieces of ring, texts as their glyphs.
namespace opoutline {

/// Glyph outlines of the page's texts, each text turned into paths once.
class Glyphs {
public:
    QPainterPath of(const PageOp& op);

private:
    QHash<QString, QPainterPath> m_texts;
};

QPainterPath ink(const PageOp& op, Glyphs& glyphs);

/// The width of the op's pen.
double penWidth(const PageOp& op);

} // namespace opoutline
