#include "PageQuery.h"

#include <gtest/gtest.h>

namespace pagequery {

std::vector<PageOp> select(const Page& page, const std::function<bool(const PageOp&)>& keep)
{
    std::vector<PageOp> result;
    for (const PageOp& op : page.ops) {
        if (keep(op))
            result.push_back(op);
    }
    return result;
}

std::vector<PageOp> strokes(const Page& page, double length)
{
    return select(
        page, [length](const PageOp& op) { return op.kind == PageOp::Kind::Stroke && op.dy == length; });
}

std::vector<PageOp> captionLines(const Page& page)
{
    std::vector<PageOp> lines;
    for (const PageOp& op : texts(page)) {
        if (op.text.contains(QStringLiteral(" Circle length = ")))
            lines = { op };
        else if (!lines.empty() && lines.back().x == op.x && op.y > lines.back().y
            && lines.back().text.endsWith(QLatin1Char(',')))
            lines.push_back(op);
    }
    return lines;
}

QString captionText(const Page& page)
{
    QStringList parts;
    for (const PageOp& op : captionLines(page))
        parts << op.text;
    return parts.join(QLatin1Char(' '));
}

std::vector<PageOp> boxes(const Page& page)
{
    return select(page, [](const PageOp& op) { return op.kind == PageOp::Kind::FilledBox; });
}

std::vector<PageOp> texts(const Page& page)
{
    return select(page, [](const PageOp& op) { return op.kind == PageOp::Kind::Text; });
}

QStringList numberTexts(const Page& page)
{
    QStringList result;
    for (const PageOp& op : texts(page)) {
        if (op.text.size() > 2 && op.text.endsWith(QLatin1Char(' ')))
            result << op.text.trimmed();
    }
    return result;
}

PageOp text(const Page& page, const QString& wanted)
{
    for (const PageOp& op : page.ops) {
        if (op.kind == PageOp::Kind::Text && op.text == wanted)
            return op;
    }
    ADD_FAILURE() << "no text " << wanted.toStdString();
    return PageOp();
}

StripInputs diameterStrip(double millimetres, double smallestMark)
{
    StripInputs in;
    in.lengthTw = millimetres * 3.14 * 56.7;
    in.smallestMark = smallestMark;
    in.smallMark = 2;
    in.fiveMark = 3;
    in.tenMark = 4;
    in.heightSmall = 100;
    in.heightFive = 200;
    in.heightTen = 250;
    return in;
}

} // namespace pagequery
