#pragma once

#include "print/render/PageOutlines.h"

#include <QByteArray>

/// The page as an SVG drawing at its true size: width and height in millimetres of 56.7 twips, the
/// strips' own, and a viewBox in the same millimetres, so any program opens it at that size. Three
/// groups that drawing programs show as layers: "engrave" as black filled outlines (the texts too:
/// the file needs no font), "notes" the same in blue, "cut" as red hairlines. The drawing starts at
/// its ink's top-left corner; no page margins.
QByteArray svgDocument(const PageOutlines& outlines);
