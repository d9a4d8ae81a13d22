#pragma once

#include "print/page/Page.h"

#include <vector>

/// The scale check a page can carry: a bar of 100 mm (4 inches) across the page with a tick every
/// millimetre (tenth of an inch), longer ones every 10 mm (inch), and a bar of 50 mm (2 inches)
/// down the page beside it, each labelled with its nominal length. Lengths come from the strips'
/// own arithmetic (56.7 twips to the millimetre), so the bars measure what the strips get.
namespace scalecheck {

/// The check's drawing with its top at y = 0 and its left at `left`.
std::vector<PageOp> ops(double left, bool inches);
/// How far the check reaches below its top.
double height(bool inches);

} // namespace scalecheck
