#pragma once

#include "print/page/Page.h"

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <vector>

/// A page as a laser or vinyl cutter takes it, in twips: its ink as filled outlines (strokes as the
/// rectangles their pens cover, texts as their glyphs, white ink cut out of the black beneath it),
/// sorted into what is engraved and what is only a note, and the lines to cut along.
class HersheyFont;

struct PageOutlines {
    struct Circle {
        QPointF centre;
        double radius = 0;
    };
    /// An open line a pen or beam follows once, `width` wide.
    struct Line {
        QPolygonF points;
        double width = 0;
    };

    std::vector<QPainterPath> engrave; ///< the strips' ink, closed outlines to fill
    std::vector<QPainterPath> notes; ///< the cards' and caption's ink, closed outlines to fill
    std::vector<QPainterPath> cut; ///< lines to cut along, closed where they go round
    std::vector<Circle> cutCircles; ///< whole circles to cut along
    std::vector<Line> score; ///< single strokes: marks along their centre lines, texts in a stroke font
    bool strokes = false; ///< drawn in single strokes: nothing filled, black areas cut round
    QRectF bounds; ///< everything above

    /// Strip rows are engraved and get their outline to cut along (from the strip's left end over
    /// its length and tail, across the depth of its ink) unless they bring cut lines of their own;
    /// rows without a strip, and ink before the first row, are notes. A strip's numbers that would
    /// reach past its ends are moved inside them.
    ///
    /// Given a stroke font, every mark is its centre line and every text that font's strokes, the
    /// height of a digit and centred where its glyphs are, all in `score`; black areas (bands,
    /// cards) are outlined in `cut`, since a stroke cannot be white. The cut outlines stay where
    /// the filled ink puts them.
    static PageOutlines of(const Page& page, const HersheyFont* strokeFont = nullptr);
};
