#pragma once

#include "print/surface/PrintSurface.h"

#include <QString>
#include <vector>

/// One drawing operation of a page, in twips.
struct PageOp {
    enum class Kind { Stroke, FilledBox, Text };
    Kind kind = Kind::Stroke;
    double x = 0; ///< stroke start, box corner, or the text's left edge
    double y = 0; ///< stroke start, box corner, or the text's top edge
    double dx = 0; ///< stroke / box extent (second point relative to the first)
    double dy = 0;
    Rgb colour = kBlack;
    qint16 penDots = 1; ///< DrawWidth in effect
    QString text;
    QString fontName;
    double fontPoints = 0;
};

/// A page as a list of operations in drawing order; the recording surface fills it and the
/// printer replays it once the document is ended.
struct Page {
    std::vector<PageOp> ops;
};
