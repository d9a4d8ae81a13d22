#include "print/sheets/NumberSpacing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <vector>

namespace {

struct Number {
    double middle = 0; ///< of its glyphs along the strip, twips
    double width = 0; ///< of its glyphs, blanks left out
    QString text;
};

bool isNumber(const PageOp& op)
{
    if (op.kind != PageOp::Kind::Text)
        return false;
    bool number = false;
    op.text.trimmed().toInt(&number);
    return number;
}

/// How far the numbers of one row may grow, as a factor of their drawn size, before two
/// neighbours meet: `turn` is what one turn adds to the last one's neighbour (0 on a strip, which
/// has ends), `closer` how much nearer the numbers stand than their places along the strip.
double room(std::vector<Number> numbers, double turn, double closer)
{
    std::sort(
        numbers.begin(), numbers.end(), [](const Number& a, const Number& b) { return a.middle < b.middle; });
    double factor = std::numeric_limits<double>::infinity();
    const auto pair = [&](const Number& a, const Number& b, double shift) {
        const double half = (a.width + b.width) / 2;
        if (half > 0)
            factor = std::min(factor, (b.middle + shift - a.middle) * closer / half);
    };
    for (std::size_t i = 1; i < numbers.size(); ++i)
        pair(numbers[i - 1], numbers[i], 0);
    if (turn > 0 && numbers.size() > 1)
        pair(numbers.back(), numbers.front(), turn);
    return factor;
}

} // namespace

namespace numberspacing {

std::optional<int> largestFittingFont(const Page& drawn, const InkExtents& ink, bool rings)
{
    double smallest = std::numeric_limits<double>::infinity();
    double points = 0;
    for (std::size_t r = 0; r < drawn.rows.size(); ++r) {
        const PageRow& row = drawn.rows[r];
        if (!row.strip || row.strip->circleLength > 0)
            continue; // a vernier's numbers stand apart by design
        const StripGeometry& strip = *row.strip;
        const std::size_t end = r + 1 < drawn.rows.size() ? drawn.rows[r + 1].firstOp : drawn.ops.size();
        // One row of numbers a line of text: both ways have two.
        std::map<double, std::vector<const PageOp*>> lines;
        for (std::size_t k = std::min(row.firstOp, end); k < end; ++k) {
            if (isNumber(drawn.ops[k]))
                lines[drawn.ops[k].y].push_back(&drawn.ops[k]);
        }
        const double spacing = strip.length / strip.divisions;
        const double stripEnd = strip.left + strip.length;
        for (const auto& [y, ops] : lines) {
            std::vector<Number> numbers;
            double bottom = 0;
            for (const PageOp* op : ops) {
                const double left = ink.glyphLeft(*op);
                const double right = ink.glyphRight(*op);
                Number n { (left + right) / 2, right - left, op->text.trimmed() };
                bottom = std::max(bottom, ink.bottom(*op) - row.top);
                points = std::max(points, op->fontPoints);
                numbers.push_back(n);
            }
            if (!rings) {
                smallest = std::min(smallest, room(numbers, 0, 1));
                continue;
            }
            // A ring has no ends: the end's number is the start's again, or its other half, and
            // every number stands centred on its mark.
            const double start = strip.zeroAt / strip.unitsPerDivision;
            const double phase = std::ceil(start) - start;
            std::vector<Number> round;
            std::optional<Number> endPart;
            for (const Number& n : numbers) {
                if (phase == 0 && n.middle > stripEnd - spacing / 2)
                    endPart = n;
            }
            for (Number n : numbers) {
                if (phase == 0 && n.middle > stripEnd - spacing / 2)
                    continue;
                const double at = std::round((n.middle - strip.left) / spacing - phase) + phase;
                n.middle = strip.left + at * spacing;
                if (phase == 0 && at == 0 && endPart && endPart->text != n.text)
                    n.width += endPart->width;
                round.push_back(n);
            }
            const double outer = strip.length / (2 * std::numbers::pi);
            smallest = std::min(smallest, room(round, strip.length, std::max(0.0, outer - bottom) / outer));
        }
    }
    if (!(smallest < 1) || points <= 0)
        return std::nullopt;
    return std::max(1, static_cast<int>(std::floor(points * smallest + 1e-9)));
}

QString warning(int points)
{
    return QCoreApplication::translate("NumberSpacing", "Numbers touch: font size %1 or less fits")
        .arg(points);
}

} // namespace numberspacing
