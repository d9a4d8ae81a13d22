#include "print/sheets/MeasuringBar.h"

void MeasuringBar::appendTo(std::vector<PageOp>& ops) const
{
    const bool across = direction == Direction::Across;
    const PageOp line = PageOp::stroke(x, y, across ? length : 0, across ? 0 : length);
    ops.push_back(line);
    for (int i = 0; i <= ticks; ++i) {
        // Each tick from the bar's end, never by repeated addition: the last one lands on the end.
        const double along = ticks > 0 ? length * i / ticks : 0;
        const double tick = i % longEvery == 0 ? kLongTick : kShortTick;
        PageOp mark = line;
        mark.x = across ? x + along : x - tick;
        mark.y = across ? y - tick : y + along;
        mark.dx = across ? 0 : tick;
        mark.dy = across ? tick : 0;
        ops.push_back(mark);
    }
}

PageOp pageText(double x, double y, const QString& text, double points)
{
    PageOp op;
    op.kind = PageOp::Kind::Text;
    op.x = x;
    op.y = y;
    op.text = text;
    op.fontName = QStringLiteral("Arial");
    op.fontPoints = points;
    return op;
}
