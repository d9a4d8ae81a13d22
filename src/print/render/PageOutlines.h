#pragma once

#include "print/page/Page.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <vector>

/// A page as a laser or vinyl cutter takes it, in twips: its ink as filled outlines (strokes as the
/// rectangles their pens cover, texts as their glyphs, white ink cut out of the black beneath it),
/// sorted into what is engraved and what is only a note, and the lines to cut along.
struct PageOutlines {
    struct Circle {
        QPointF centre;
        double radius = 0;
    };

    std::vector<QPainterPath> engrave; ///< the strips' ink, closed outlines to fill
    std::vector<QPainterPath> notes; ///< the cards' and caption's ink, closed outlines to fill
    std::vector<QPainterPath> cut; ///< lines to cut along, closed where they go round
    std::vector<Circle> cutCircles; ///< whole circles to cut along
    QRectF bounds; ///< everything above

    /// Strip rows are engraved and get their outline to cut along (from the strip's left end over
    /// its length and tail, across the depth of its ink) unless they bring cut lines of their own;
    /// rows without a strip, and ink before the first row, are notes.
    static PageOutlines of(const Page& page);
};
