#pragma once

#include "print/render/PageOutlines.h"

#include <QByteArray>

/// The page as a DXF drawing (AutoCAD 2000, the oldest that states its units) in millimetres of
/// 56.7 twips, $INSUNITS 4, y upwards from the drawing's bottom-left corner. Layers ENGRAVE and
/// NOTES hold closed polylines around the ink (curves and glyphs flattened to within a hundredth of
/// a millimetre), CUT the lines and circles to cut along.
QByteArray dxfDocument(const PageOutlines& outlines);
