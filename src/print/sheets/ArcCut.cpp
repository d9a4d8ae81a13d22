#include "print/sheets/ArcCut.h"

#include "common/Numeric.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace arccut {

namespace {

constexpr double kMarkTolerance = 1.0; // marks stand 29+ twips apart
constexpr double kWholeDivisions = 1e-6; // an arc of whole divisions stays that many

double spacing(const StripGeometry& strip)
{
    return strip.length / strip.divisions;
}

bool isMark(const PageOp& op)
{
    return op.kind == PageOp::Kind::Stroke && op.dx == 0;
}

} // namespace

bool isArc(const StripGeometry& strip)
{
    return strip.arcLength > 0;
}

std::optional<double> within(double x, const StripGeometry& strip, double from, double to)
{
    for (const double candidate : { x, x + strip.length }) {
        if (candidate >= from - kMarkTolerance && candidate <= to + kMarkTolerance)
            return candidate;
    }
    return std::nullopt;
}

std::vector<PageOp> keep(const std::vector<PageOp>& ops, const StripGeometry& strip, const InkExtents& ink)
{
    const double d = spacing(strip);
    const double from = strip.left + strip.arcStart;
    const double to = from + strip.arcLength;
    const double lead = d / 2;
    std::vector<PageOp> kept;
    std::set<std::pair<long, long>> numbered; // marks with their number, by place and row
    for (const PageOp& op : ops) {
        if (isMark(op)) {
            if (const std::optional<double> x = within(op.x, strip, from, to)) {
                kept.push_back(op);
                kept.back().x = *x;
            }
        } else if (op.kind == PageOp::Kind::Text) {
            // A number goes with the long mark it is centred on, or nearest to, and is centred on
            // it: an arc has no ends for its numbers to stand beside. The strip's two ends carry the
            // number of one mark, half each or twice: once is enough.
            const double centre = (ink.glyphLeft(op) + ink.glyphRight(op)) / 2;
            const double mark = strip.left + std::round((centre - strip.left) / d) * d;
            if (const std::optional<double> x = within(mark, strip, from, to)) {
                const auto row = std::make_pair(std::lround(*x), std::lround(op.y));
                if (!numbered.insert(row).second)
                    continue;
                kept.push_back(op);
                kept.back().x = *x - ink.textWidth(op) / 2;
            }
        } else {
            // Lines and boxes along the strip, cut to the arc and its blank ends.
            const double a = std::min(op.x, op.x + op.dx);
            const double b = std::max(op.x, op.x + op.dx);
            const bool round = b - a >= strip.length - kMarkTolerance;
            for (const double shift : { 0.0, strip.length }) {
                const double left = round ? from - lead : std::max(a + shift, from - lead);
                const double right = round ? to + lead : std::min(b + shift, to + lead);
                if (right <= left)
                    continue;
                PageOp clipped = op;
                clipped.x = left;
                clipped.dx = right - left;
                kept.push_back(clipped);
                if (round)
                    break;
            }
        }
    }
    return kept;
}

StripGeometry geometry(const StripGeometry& strip)
{
    const double d = spacing(strip);
    StripGeometry arc = strip;
    arc.lead = d / 2;
    arc.left = strip.left + arc.lead;
    arc.divisions = std::max(1, static_cast<int>(std::ceil(strip.arcLength / d - kWholeDivisions)));
    arc.length = arc.divisions * d;
    // The blank end after the last mark, from the length's end, which may lie past it.
    arc.tail = std::max(0.0, strip.arcLength + arc.lead - arc.length);
    const double circle = static_cast<double>(strip.divisions) * strip.unitsPerDivision;
    arc.zeroAt = std::fmod(strip.zeroAt + strip.arcStart / d * strip.unitsPerDivision, circle);
    arc.arcStart = 0;
    arc.arcLength = 0;
    return arc;
}

Strip cut(const std::vector<PageOp>& ops, const StripGeometry& strip, const InkExtents& ink)
{
    Strip arc;
    arc.strip = geometry(strip);
    const double shift = arc.strip.left - (strip.left + strip.arcStart);
    double depth = 0;
    for (PageOp op : keep(ops, strip, ink)) {
        op.x += shift;
        depth = std::max(depth, ink.bottom(op));
        arc.ops.push_back(std::move(op));
    }
    const double start = arc.strip.left - arc.strip.lead;
    const double end = arc.strip.left + strip.arcLength + arc.strip.lead;
    const auto outline = [&arc](PageOp op) {
        op.cut = true;
        arc.ops.push_back(op);
    };
    outline(PageOp::stroke(start, 0, end - start, 0));
    outline(PageOp::stroke(start, depth, end - start, 0));
    outline(PageOp::stroke(start, 0, 0, depth));
    outline(PageOp::stroke(end, 0, 0, depth));
    return arc;
}

bool readsAsArc(const StripGeometry& strip)
{
    return strip.arcReadings.rate != 0;
}

QString rangeLabel(const StripGeometry& strip, double fromUnits, double toUnits)
{
    const ArcReadings& readings = strip.arcReadings;
    const auto reading = [&](double units, bool end) {
        const double unwrapped = readings.from + readings.rate * units;
        double value = unwrapped;
        // Past the circle's end the numbers start again; a piece may end on the full circle.
        if (readings.wrap > 0) {
            value = std::fmod(value, readings.wrap);
            if (value < -kWholeDivisions)
                value += readings.wrap;
            if (end && std::abs(value) < kWholeDivisions && std::abs(unwrapped) > kWholeDivisions)
                value = readings.wrap;
        }
        // Joints stand on long marks: no rounding noise in the label.
        value = std::round(value * 1e6) / 1e6;
        return numeric::generalForm(value == 0 ? 0.0 : value) + strip.unit;
    };
    return reading(fromUnits, false) + QLatin1Char('-') + reading(toUnits, true);
}

} // namespace arccut
