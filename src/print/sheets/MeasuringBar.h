#pragma once

#include "print/page/Page.h"

#include <QString>
#include <vector>

/// A bar to measure a printout with: a line of a nominal length with a tick at every one of its
/// `ticks` steps and a longer one at every `longEvery`-th, drawn thinnest in black. Twips.
struct MeasuringBar {
    static constexpr double kShortTick = 100;
    static constexpr double kLongTick = 200;

    enum class Direction { Across, Down }; ///< along the page's x or its y
    /// Ticks stand above a bar across the page, left of a bar down it.
    Direction direction = Direction::Across;
    double x = 0; ///< the bar's first end
    double y = 0;
    double length = 0;
    int ticks = 0;
    int longEvery = 10;

    void appendTo(std::vector<PageOp>& ops) const;
};

/// A black text of the page, its top-left at (x, y).
PageOp pageText(double x, double y, const QString& text, double points = 10);
