#pragma once

#include "print/page/PrintSurface.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

/// One drawing operation of a page, in twips. Angles are degrees clockwise from 12 o'clock, the
/// way a ring is read.
struct PageOp {
    enum class Kind {
        Stroke,
        FilledBox,
        Text,
        Arc, ///< a stroke along a circle centred on (x, y)
        Annulus, ///< a filled piece of ring centred on (x, y), between innerRadius and radius
    };
    Kind kind = Kind::Stroke;
    double x = 0; ///< stroke start, box corner, the text's left edge, or a circle's centre
    double y = 0; ///< stroke start, box corner, the text's top edge, or a circle's centre
    double dx = 0; ///< stroke / box extent (second point relative to the first)
    double dy = 0;
    Rgb colour = kBlack;
    qint16 penDots = 1; ///< DrawWidth in effect
    QString text;
    QString fontName;
    double fontPoints = 0;
    double rotation = 0; ///< a text turned clockwise about its top-left corner
    double radius = 0; ///< an arc's radius, an annulus' outer radius
    double innerRadius = 0;
    double startAngle = 0; ///< where an arc or annulus begins
    double sweep = 0; ///< how far it runs clockwise; 360 is the whole circle
    bool cut = false; ///< a line to cut along rather than ink of the scale

    /// A stroke from (x, y) by (dx, dy), drawn with a one-dot pen.
    static PageOp stroke(double x, double y, double dx, double dy, Rgb colour = kBlack)
    {
        PageOp op;
        op.x = x;
        op.y = y;
        op.dx = dx;
        op.dy = dy;
        op.colour = colour;
        return op;
    }

    /// A one-dot stroke along the circle of radius r about (cx, cy), from start clockwise by sweep.
    static PageOp arc(double cx, double cy, double r, double start, double sweep, Rgb colour = kBlack)
    {
        PageOp op = stroke(cx, cy, 0, 0, colour);
        op.kind = Kind::Arc;
        op.radius = r;
        op.startAngle = start;
        op.sweep = sweep;
        return op;
    }

    /// The ring between the radii inner and outer about (cx, cy), from start clockwise by sweep,
    /// filled in the colour.
    static PageOp annulus(
        double cx, double cy, double outer, double inner, double start, double sweep, Rgb colour = kBlack)
    {
        PageOp op = arc(cx, cy, outer, start, sweep, colour);
        op.kind = Kind::Annulus;
        op.innerRadius = inner;
        return op;
    }
};

/// How an arc's printed numbers run along its strip: the reading at its first mark, its change per
/// `unit` of strip (1 rising, -1 falling), and where readings start again from 0 (360, 24; 0: never).
struct ArcReadings {
    double from = 0;
    double rate = 0;
    double wrap = 0;
};

/// A graduated strip as its row was drawn: its left end and length along the page's x (twips),
/// its long divisions, each `unitsPerDivision` of `unit` ("°": 36 of 10, "h": 24 of 1), and how far
/// its numbers and labels reach past its right end, and the reading at its left end, in `unit`.
struct StripGeometry {
    double left = 0;
    double length = 0;
    int divisions = 36;
    int unitsPerDivision = 10;
    QString unit;
    double tail = 0;
    double circleLength = 0; ///< a vernier's: the length of the strip it reads; 0 for a strip
    double zeroAt = 0; ///< the reading at its left end, in `unit`
    /// An arc of the strip: its first mark, from the left end, and its length; 0: the whole strip.
    double arcStart = 0;
    double arcLength = 0;
    QString arcLabel; ///< the arc's end readings as its labels name them, "0°-90°"
    ArcReadings arcReadings; ///< rate 0: the circle's own readings, as on a whole strip
    /// Blank strip an arc keeps before its first mark; after its last, the tail reaches past the end.
    double lead = 0;
};

/// Where a job began a row of its page (a strip, the index cards with the caption, a vernier), so
/// the sheet layout can move, split and paginate whole rows. The row's ops run from firstOp to the
/// next row's firstOp.
struct PageRow {
    std::size_t firstOp = 0; ///< set by the recording
    double top = 0;
    std::optional<StripGeometry> strip;
};

/// A page as a list of operations in drawing order; the recording surface fills it and the
/// printer replays it once the document is ended.
struct Page {
    std::vector<PageOp> ops;
    /// The rows the job began, in drawing order; ops before the first row belong to none.
    std::vector<PageRow> rows;
    /// The printer's scale correction along the page's x and y, applied by the renderer about the
    /// printable area's top-left corner.
    double scaleX = 1.0;
    double scaleY = 1.0;
    /// On a job's first sheet: the largest font size at which its neighbouring numbers don't touch,
    /// when they touch at the size drawn; 0 when they don't. Not printed.
    int numbersFit = 0;
};
