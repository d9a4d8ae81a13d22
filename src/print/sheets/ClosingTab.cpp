#include "print/sheets/ClosingTab.h"

#include <cmath>

namespace closingtab {

namespace {

constexpr double kMarkTolerance = 1.0; // marks stand 29+ twips apart

} // namespace

StripGeometry withTab(StripGeometry strip)
{
    strip.length += strip.length / strip.divisions;
    strip.divisions += 1;
    return strip;
}

std::vector<PageOp> extend(const std::vector<PageOp>& ops, const StripGeometry& strip, const InkExtents& ink)
{
    const double d = strip.length / strip.divisions;
    const double from = strip.left;
    const double to = strip.left + d;
    const double end = strip.left + strip.length;
    // Numbers stand on the long marks, or between them where the strip starts between two.
    const bool between = std::fmod(strip.zeroAt, strip.unitsPerDivision) != 0;
    std::vector<PageOp> extended;
    std::vector<PageOp> tab;
    for (const PageOp& op : ops) {
        PageOp kept = op;
        if (op.kind == PageOp::Kind::Stroke && op.dx == 0) {
            // The strip's end mark is its first mark already.
            if (op.x > from + kMarkTolerance && op.x <= to + kMarkTolerance) {
                tab.push_back(op);
                tab.back().x += strip.length;
            }
        } else if (op.kind == PageOp::Kind::Text) {
            // The first division's numbers, and the start's own where it stands inside the strip:
            // the end number beside the end mark is its other half ("9" and "0" of 90) or its twin.
            const double at = ((ink.left(op) + ink.right(op)) / 2 - from) / d;
            const bool inside = ink.glyphLeft(op) >= from - kMarkTolerance;
            if (between ? std::floor(at) == 0 : std::lround(at) == 1 || (inside && std::lround(at) == 0)) {
                tab.push_back(op);
                tab.back().x += strip.length;
            }
        } else if (std::max(op.x, op.x + op.dx) >= end - kMarkTolerance) {
            // Lines and boxes that reach the strip's end run on over the tab, drawn where they were.
            if (op.dx >= 0) {
                kept.dx += d;
            } else {
                kept.x += d;
                kept.dx -= d;
            }
        }
        extended.push_back(kept);
    }
    extended.insert(extended.end(), tab.begin(), tab.end());
    return extended;
}

} // namespace closingtab
