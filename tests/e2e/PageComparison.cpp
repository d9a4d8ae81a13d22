#include "PageComparison.h"

#include "print/render/PageRenderer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace e2e {

namespace {

// Marks that share ink, ends and pen are told apart by x alone.
using SegmentKey = std::tuple<qint64, long, long, int>;

QString describe(const SegmentKey& key)
{
    return QStringLiteral("colour %1, y %2..%3, %4 dots")
        .arg(std::get<0>(key), 6, 16, QLatin1Char('0'))
        .arg(std::get<1>(key))
        .arg(std::get<2>(key))
        .arg(std::get<3>(key));
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

} // namespace

QStringList PageComparison::segments(const ExpectedPage& expected, const pdfreadback::PdfPage& actual) const
{
    QStringList problems;
    std::map<SegmentKey, std::vector<double>> wanted;
    std::map<SegmentKey, std::vector<double>> found;
    for (const ExpectedSegment& s : expected.segments)
        wanted[{ s.colour, std::lround(s.y1), std::lround(s.y2), s.dots }].push_back(s.x);

    for (const pdfreadback::Segment& s : actual.segments) {
        const double top = std::min(s.y1, s.y2);
        const double bottom = std::max(s.y1, s.y2);
        const int dots = static_cast<int>(std::lround(s.width / kTwipsPerDot));
        if (!near(s.x1, s.x2, m_tolerance.place) || !near(top, std::round(top), m_tolerance.place)
            || !near(bottom, std::round(bottom), m_tolerance.place)
            || !near(s.width, dots * kTwipsPerDot, m_tolerance.strokeWidth)) {
            problems << QStringLiteral("stray stroke (%1, %2)-(%3, %4), %5 twips wide")
                            .arg(s.x1)
                            .arg(s.y1)
                            .arg(s.x2)
                            .arg(s.y2)
                            .arg(s.width);
            continue;
        }
        // A square or round cap would make every mark longer than its height.
        if (s.cap != 0)
            problems << QStringLiteral("stroke at x %1 has line cap %2").arg(s.x1).arg(s.cap);
        found[{ s.colour, std::lround(top), std::lround(bottom), dots }].push_back(s.x1);
    }

    for (auto& [key, xs] : wanted) {
        std::vector<double>& got = found[key];
        std::sort(xs.begin(), xs.end());
        std::sort(got.begin(), got.end());
        if (got.size() != xs.size()) {
            problems << QStringLiteral("%1: %2 strokes, expected %3")
                            .arg(describe(key))
                            .arg(got.size())
                            .arg(xs.size());
            continue;
        }
        for (std::size_t i = 0; i < xs.size(); ++i) {
            if (!near(got[i], xs[i], m_tolerance.place))
                problems << QStringLiteral("%1: stroke at x %2, expected %3")
                                .arg(describe(key))
                                .arg(got[i])
                                .arg(xs[i]);
        }
    }
    for (const auto& [key, xs] : found) {
        if (!xs.empty() && wanted.find(key) == wanted.end())
            problems << QStringLiteral("%1: %2 unexpected strokes").arg(describe(key)).arg(xs.size());
    }
    return problems;
}

QStringList PageComparison::boxes(const ExpectedPage& expected, const pdfreadback::PdfPage& actual) const
{
    QStringList problems;
    if (actual.boxes.size() != expected.boxes.size())
        problems
            << QStringLiteral("%1 boxes, expected %2").arg(actual.boxes.size()).arg(expected.boxes.size());
    const std::size_t count = std::min(actual.boxes.size(), expected.boxes.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ExpectedBox& e = expected.boxes[i];
        const pdfreadback::Box& a = actual.boxes[i];
        if (!near(a.left, e.left, m_tolerance.place) || !near(a.top, e.top, m_tolerance.place)
            || !near(a.right, e.right, m_tolerance.place) || !near(a.bottom, e.bottom, m_tolerance.place)) {
            problems << QStringLiteral("box %1 at (%2, %3)-(%4, %5), expected (%6, %7)-(%8, %9)")
                            .arg(i)
                            .arg(a.left)
                            .arg(a.top)
                            .arg(a.right)
                            .arg(a.bottom)
                            .arg(e.left)
                            .arg(e.top)
                            .arg(e.right)
                            .arg(e.bottom);
        }
        // Filled and edged in one colour, the edge as wide as the pen in effect.
        if (!a.filled || !a.stroked || a.fillColour != e.colour || a.strokeColour != e.colour
            || !near(a.strokeWidth, e.dots * kTwipsPerDot, m_tolerance.strokeWidth)) {
            problems << QStringLiteral("box %1: fill %2 colour %3, edge %4 colour %5 width %6; expected "
                                       "colour %7, %8 dots")
                            .arg(i)
                            .arg(a.filled)
                            .arg(a.fillColour, 6, 16, QLatin1Char('0'))
                            .arg(a.stroked)
                            .arg(a.strokeColour, 6, 16, QLatin1Char('0'))
                            .arg(a.strokeWidth)
                            .arg(e.colour, 6, 16, QLatin1Char('0'))
                            .arg(e.dots);
        }
    }
    return problems;
}

QStringList PageComparison::texts(const ExpectedPage& expected, const pdfreadback::PdfPage& actual) const
{
    QStringList problems;
    if (actual.texts.empty() || actual.texts.front().text != QStringLiteral(" "))
        problems << QStringLiteral("the page does not begin with the blank line");
    const std::size_t found = actual.texts.empty() ? 0 : actual.texts.size() - 1;
    if (found != expected.texts.size())
        problems << QStringLiteral("%1 texts, expected %2").arg(found).arg(expected.texts.size());
    const std::size_t count = std::min(found, expected.texts.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ExpectedText& e = expected.texts[i];
        const pdfreadback::TextRun& a = actual.texts[i + 1];
        if (a.text != e.text || !near(a.left, e.left, m_tolerance.place + e.leftSlack)
            || !near(a.top, e.top, m_tolerance.place) || !near(a.points, e.points, 0.01)
            || a.colour != e.colour) {
            problems << QStringLiteral(
                "text %1 \"%2\" at (%3, %4), %5 pt, colour %6; expected \"%7\" at (%8, "
                "%9), %10 pt, colour %11")
                            .arg(i)
                            .arg(a.text)
                            .arg(a.left)
                            .arg(a.top)
                            .arg(a.points)
                            .arg(a.colour, 6, 16, QLatin1Char('0'))
                            .arg(e.text)
                            .arg(e.left)
                            .arg(e.top)
                            .arg(e.points)
                            .arg(e.colour, 6, 16, QLatin1Char('0'));
        }
    }
    return problems;
}

} // namespace e2e
