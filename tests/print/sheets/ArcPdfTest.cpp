// Arcs printed to a PDF and read back: the part of a circle a mount needs, at the whole circle's scale.
#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "support/PdfReadback.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <set>
#include <tuple>

namespace {

using pdfreadback::PdfPage;
using pdfreadback::Segment;
using pdfreadback::TextRun;

constexpr double kSmall = 100; // mark heights at CircleWidth 100
constexpr double kFive = 200;
constexpr double kLong = 250;
constexpr double kMarkNoise = 0.01;
constexpr double kFamilies[] = { kSmall, kFive, kLong };
constexpr double kSheetHead = 750; // a further sheet's rows begin there

struct Printed {
    QTemporaryDir dir;
    std::vector<PdfPage> pages;
    QString status;
};

void print(Printed& out, bool azimuth, bool landscape, const std::function<void(SettingsModel&)>& set)
{
    ASSERT_TRUE(out.dir.isValid());
    const QString file = out.dir.filePath(QStringLiteral("arc.pdf"));
    PdfFilePrinter printer; // A4
    printer.setOutputFileName(file);
    if (landscape)
        printer.setOrientation(PageOrientation::Landscape);
    SettingsModel model;
    model.setOption(azimuth ? Option::Azmm : Option::Altmm, true);
    set(model);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    if (azimuth)
        host.run(AzimuthPrintJob(model));
    else
        host.run(AltitudePrintJob(model));
    out.status = model.status().text();
    if (out.status.isEmpty())
        out.pages = pdfreadback::readPdfPages(file);
}

struct Mark {
    double x;
    double height;
};

/// A strip's row on a page: its marks left to right, the texts below its top.
struct StripRow {
    double top = 0;
    std::vector<Mark> marks;
    std::vector<TextRun> texts;
    int from = 0; ///< a segment's range label, degrees
    int to = 0;

    std::vector<double> longs() const
    {
        std::vector<double> x;
        for (const Mark& m : marks) {
            if (m.height == kLong)
                x.push_back(m.x);
        }
        return x;
    }
    /// The numbers left to right, with the middles of their digits.
    std::vector<std::pair<int, double>> numbers() const
    {
        std::vector<std::pair<int, double>> found;
        for (const TextRun& t : texts) {
            bool ok = false;
            const int value = t.text.trimmed().toInt(&ok);
            if (ok && t.top < top + 600)
                found.push_back({ value, (t.startX + t.endX) / 2 });
        }
        std::sort(
            found.begin(), found.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        return found;
    }
};

/// The rows of marks hanging from a common top (the top layout), left to right.
std::vector<StripRow> stripRows(const PdfPage& page)
{
    std::map<long, StripRow> rows;
    for (const Segment& s : page.segments) {
        if (std::abs(s.x2 - s.x1) > 0.01)
            continue;
        const double height = std::abs(s.y2 - s.y1);
        for (const double family : { kSmall, kFive, kLong }) {
            if (std::abs(height - family) < 0.05) {
                StripRow& row = rows[std::lround(std::min(s.y1, s.y2))];
                row.top = std::min(s.y1, s.y2);
                row.marks.push_back({ s.x1, family });
            }
        }
    }
    std::vector<StripRow> result;
    for (auto& [top, row] : rows) {
        if (row.marks.size() > 10 && top >= 600) // not the index card's stroke
            result.push_back(std::move(row));
    }
    static const QRegularExpression range(QStringLiteral("^(\\d+)\u00B0-(\\d+)\u00B0$"));
    for (std::size_t i = 0; i < result.size(); ++i) {
        StripRow& row = result[i];
        const double bottom = i + 1 < result.size() ? result[i + 1].top : row.top + 1000;
        for (const TextRun& t : page.texts) {
            if (t.top < row.top || t.top >= bottom)
                continue;
            row.texts.push_back(t);
            const auto match = range.match(t.text);
            if (match.hasMatch()) {
                row.from = match.captured(1).toInt();
                row.to = match.captured(2).toInt();
            }
        }
        // One place, one mark: the longest drawn there.
        std::sort(row.marks.begin(), row.marks.end(),
            [](const Mark& a, const Mark& b) { return a.x < b.x || (a.x == b.x && a.height > b.height); });
        std::vector<Mark> merged;
        for (const Mark& m : row.marks) {
            if (merged.empty() || m.x - merged.back().x > kMarkNoise)
                merged.push_back(m);
        }
        row.marks = std::move(merged);
    }
    return result;
}

struct StripArcCase {
    const char* name;
    bool azimuth;
    std::function<void(SettingsModel&)> settings;
    std::vector<int> numbers; ///< left to right
    std::size_t marks;
    double endsMm; ///< from the first mark to the last
    const char* caption; ///< the caption's beginning
};

class StripArc : public ::testing::TestWithParam<StripArcCase> { };

} // namespace

TEST_P(StripArc, PrintsItsMarksAtTheWholeStripsSpacingBetweenItsCutEnds)
{
    const StripArcCase& row = GetParam();
    Printed out;
    print(out, row.azimuth, true, row.settings);
    ASSERT_EQ(out.status, QString());
    ASSERT_EQ(out.pages.size(), 1u) << "one sheet of A4 landscape";
    const std::vector<StripRow> rows = stripRows(out.pages[0]);
    ASSERT_EQ(rows.size(), 1u);
    const StripRow& strip = rows[0];
    ASSERT_EQ(strip.marks.size(), row.marks);
    const double first = strip.marks.front().x;
    const double last = strip.marks.back().x;
    EXPECT_NEAR((last - first) / kTwipsPerMm, row.endsMm, 0.01);
    const double step = (last - first) / static_cast<double>(row.marks - 1);
    for (std::size_t i = 1; i < strip.marks.size(); ++i)
        EXPECT_NEAR(strip.marks[i].x - strip.marks[i - 1].x, step, kMarkNoise) << i;

    // Whole numbers, each centred on its long mark (the strip's own 50-twip lean included).
    const std::vector<double> longs = strip.longs();
    const auto numbers = strip.numbers();
    std::vector<int> values;
    for (const auto& [value, middle] : numbers) {
        values.push_back(value);
        const auto nearest = std::min_element(longs.begin(), longs.end(),
            [m = middle](double a, double b) { return std::abs(a - m) < std::abs(b - m); });
        EXPECT_NEAR(*nearest, middle, 60) << value;
    }
    EXPECT_EQ(values, row.numbers);

    // The cut outline: a line across each end, half a long division beyond its end mark.
    const double halfDivision = (longs.size() > 1 ? longs[1] - longs[0] : 0) / 2;
    for (const double end : { first - halfDivision, last + halfDivision }) {
        EXPECT_TRUE(std::any_of(out.pages[0].segments.begin(), out.pages[0].segments.end(),
            [&](const Segment& s) {
                return std::abs(s.x1 - end) < 1 && std::abs(s.x2 - end) < 1 && std::abs(s.y2 - s.y1) > kLong;
            }))
            << "cut line at " << end;
    }
    EXPECT_TRUE(std::any_of(out.pages[0].texts.begin(), out.pages[0].texts.end(), [&](const TextRun& t) {
        return t.text.startsWith(QString::fromUtf8(row.caption));
    })) << row.caption;
}

INSTANTIATE_TEST_SUITE_P(Arcs, StripArc,
    ::testing::Values(StripArcCase { "AltitudeRising", false,
                          [](SettingsModel& m) {
                              m.setText(SizeText::Altitude, QStringLiteral("250"));
                              m.setText(SizeText::ArcFrom, QStringLiteral("0"));
                              m.setText(SizeText::ArcTo, QStringLiteral("90"));
                          },
                          { 0, 10, 20, 30, 40, 50, 60, 70, 80, 90 }, 91, 196.25,
                          "Altitude arc 0\u00B0-90\u00B0 of Circle length = 785 mm (196.3 mm), " },
        StripArcCase { "AltitudeFalling", false,
            [](SettingsModel& m) {
                m.setText(SizeText::Altitude, QStringLiteral("250"));
                m.setText(SizeText::ArcFrom, QStringLiteral("90"));
                m.setText(SizeText::ArcTo, QStringLiteral("0"));
            },
            { 90, 80, 70, 60, 50, 40, 30, 20, 10, 0 }, 91, 196.25,
            "Altitude arc 90\u00B0-0\u00B0 of Circle length = 785 mm" },
        StripArcCase { "DeclinationThroughTheEquator", false,
            [](SettingsModel& m) {
                m.setText(SizeText::Altitude, QStringLiteral("250"));
                m.setCheck(Check::SignedDec, SettingsModel::kChecked);
                m.setText(SizeText::ArcFrom, QStringLiteral("30"));
                m.setText(SizeText::ArcTo, QStringLiteral("-30"));
            },
            { 30, 20, 10, 0, -10, -20, -30 }, 61, 785.0 / 6, "declination arc 30\u00B0--30\u00B0" },
        StripArcCase { "AzimuthWrapsThroughZero", true,
            [](SettingsModel& m) {
                m.setText(SizeText::Azimuth, QStringLiteral("300"));
                m.setText(SizeText::ArcFrom, QStringLiteral("350"));
                m.setText(SizeText::ArcTo, QStringLiteral("10"));
            },
            { 350, 0, 10 }, 21, 942.0 / 18,
            "Azimuth arc 350\u00B0-10\u00B0 of Circle length = 942 mm (52.3 mm)" },
        // Past the whole strip's seam: its two ends' numbers are one number, printed once.
        StripArcCase { "AzimuthAllButFiveDegrees", true,
            [](SettingsModel& m) {
                m.setText(SizeText::Azimuth, QStringLiteral("80"));
                m.setText(SizeText::ArcFrom, QStringLiteral("0"));
                m.setText(SizeText::ArcTo, QStringLiteral("355"));
            },
            { 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 200, 210, 220,
                230, 240, 250, 260, 270, 280, 290, 300, 310, 320, 330, 340, 350 },
            356, 251.2 * 355 / 360, "Azimuth arc 0\u00B0-355\u00B0 of Circle length = 251.2 mm (247.7 mm)" },
        StripArcCase { "DecreasingAzimuthRunsItsOwnWay", true,
            [](SettingsModel& m) {
                m.setText(SizeText::Azimuth, QStringLiteral("300"));
                m.setCheck(Check::AzCT, SettingsModel::kUnchecked);
                m.setText(SizeText::ArcFrom, QStringLiteral("10"));
                m.setText(SizeText::ArcTo, QStringLiteral("350"));
            },
            { 10, 0, 350 }, 21, 942.0 / 18, "Azimuth arc 10\u00B0-350\u00B0" },
        StripArcCase { "RaHoldsTwelveHours", true,
            [](SettingsModel& m) {
                m.setOption(Option::Ra, true);
                m.setText(SizeText::Azimuth, QStringLiteral("150"));
                m.setText(SizeText::ArcFrom, QStringLiteral("18"));
                m.setText(SizeText::ArcTo, QStringLiteral("6"));
            },
            { 18, 19, 20, 21, 22, 23, 0, 1, 2, 3, 4, 5, 6 }, 73, 471.0 / 2,
            "RA arc 18h-6h of Circle length" }),
    [](const ::testing::TestParamInfo<StripArcCase>& row) { return std::string(row.param.name); });

TEST(SplitArc, A600MillimetreAzimuthArcOf120DegreesJoinsMarkOverMark)
{
    Printed out;
    print(out, true, false, [](SettingsModel& m) {
        m.setText(SizeText::Azimuth, QStringLiteral("600"));
        m.setCheck(Check::SplitLong, SettingsModel::kChecked);
        m.setText(SizeText::ArcFrom, QStringLiteral("0"));
        m.setText(SizeText::ArcTo, QStringLiteral("120"));
    });
    ASSERT_EQ(out.status, QString());
    ASSERT_GE(out.pages.size(), 2u) << "the assembly map, then the segments";
    const double tenDegrees = 600 * 3.14 * kTwipsPerMm / 36;
    std::vector<StripRow> segments;
    for (std::size_t sheet = 1; sheet < out.pages.size(); ++sheet) {
        for (StripRow& row : stripRows(out.pages[sheet]))
            segments.push_back(std::move(row));
    }
    ASSERT_GT(segments.size(), 1u);
    std::map<double, std::vector<double>> joined; // by family, places along the arc
    std::set<int> numbers;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const StripRow& row = segments[i];
        SCOPED_TRACE(row.from);
        EXPECT_EQ(row.from, i == 0 ? 0 : segments[i - 1].to - 10) << "consecutive segments share ten degrees";
        const double firstLong = row.longs().front();
        for (const Mark& m : row.marks)
            joined[m.height].push_back(row.from / 10 * tenDegrees + m.x - firstLong);
        for (const auto& [value, middle] : row.numbers())
            numbers.insert(value);
    }
    EXPECT_EQ(segments.back().to, 120);
    // Laid over one another at their overlaps, the segments are one arc, a degree from mark to mark.
    std::vector<double> all;
    for (const auto& [family, places] : joined)
        all.insert(all.end(), places.begin(), places.end());
    std::sort(all.begin(), all.end());
    std::vector<double> unique;
    for (const double x : all) {
        if (unique.empty() || x - unique.back() > 0.05)
            unique.push_back(x);
    }
    ASSERT_EQ(unique.size(), 121u);
    for (std::size_t k = 0; k < unique.size(); ++k)
        EXPECT_NEAR(unique[k], k * tenDegrees / 10, 0.05) << k;
    EXPECT_EQ(numbers, (std::set<int> { 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120 }));
}

namespace {

struct Point {
    double x = 0;
    double y = 0;
};

double bearing(Point centre, Point p)
{
    const double a = std::atan2(p.x - centre.x, centre.y - p.y) * 180 / std::numbers::pi;
    return a < 0 ? a + 360 : a;
}

double angleBetween(double a, double b)
{
    return std::remainder(a - b, 360.0);
}

} // namespace

TEST(RingArc, A250MillimetreAltitudeQuarterHasItsMarksOnOneCentreAndItsChord)
{
    Printed out;
    print(out, false, false, [](SettingsModel& m) {
        m.setText(SizeText::Altitude, QStringLiteral("250"));
        m.setCheck(Check::Rings, SettingsModel::kChecked);
        m.setText(SizeText::ArcFrom, QStringLiteral("0"));
        m.setText(SizeText::ArcTo, QStringLiteral("90"));
    });
    ASSERT_EQ(out.status, QString());
    ASSERT_EQ(out.pages.size(), 1u);
    const PdfPage& page = out.pages[0];
    const double radius = 125 * kTwipsPerMm;

    // The centre: where the marks, prolonged by the radius, meet.
    std::vector<const Segment*> marks;
    for (const Segment& s : page.segments) {
        const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
        if (std::abs(length - kSmall) < 0.5 || std::abs(length - kFive) < 0.5
            || std::abs(length - kLong) < 0.5)
            marks.push_back(&s);
    }
    std::map<std::pair<long, long>, std::vector<Point>> votes;
    for (const Segment* s : marks) {
        const double length = std::hypot(s->x2 - s->x1, s->y2 - s->y1);
        const double ux = (s->x2 - s->x1) / length;
        const double uy = (s->y2 - s->y1) / length;
        for (const Point c : { Point { s->x1 + radius * ux, s->y1 + radius * uy },
                 Point { s->x2 - radius * ux, s->y2 - radius * uy } })
            votes[{ std::lround(c.x / 20), std::lround(c.y / 20) }].push_back(c);
    }
    const auto most = std::max_element(votes.begin(), votes.end(),
        [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    ASSERT_NE(most, votes.end());
    Point centre;
    for (const Point& c : most->second) {
        centre.x += c.x / static_cast<double>(most->second.size());
        centre.y += c.y / static_cast<double>(most->second.size());
    }

    std::map<long, double> angles; // a mark's angle by the thousandth of a degree: one per place
    std::vector<double> longAngles;
    // The ring's marks point at its centre; the index card's stroke beside the caption does not.
    std::erase_if(marks, [&centre](const Segment* s) {
        const double length = std::hypot(s->x2 - s->x1, s->y2 - s->y1);
        const double across = (s->x2 - s->x1) * (centre.y - s->y1) - (s->y2 - s->y1) * (centre.x - s->x1);
        return std::abs(across / length) > 1;
    });
    for (const Segment* s : marks) {
        const Point a { s->x1, s->y1 };
        const Point b { s->x2, s->y2 };
        const double ra = std::hypot(a.x - centre.x, a.y - centre.y);
        const double rb = std::hypot(b.x - centre.x, b.y - centre.y);
        EXPECT_NEAR(std::max(ra, rb), radius, 0.05 * kTwipsPerMm) << "outer end at 125 mm";
        const double angle = bearing(centre, ra > rb ? a : b);
        angles[std::lround(angle * 1000)] = angle;
        if (std::abs(std::hypot(b.x - a.x, b.y - a.y) - kLong) < 0.5)
            longAngles.push_back(angle);
    }
    ASSERT_EQ(angles.size(), 91u) << "91 radial marks on one centre";
    std::vector<double> sorted;
    for (const auto& [key, angle] : angles)
        sorted.push_back(angle);
    std::sort(sorted.begin(), sorted.end(), [](double a, double b) { return angleBetween(a, b) < 0; });
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_NEAR(angleBetween(sorted[i], sorted[i - 1]), 1.0, 0.01) << i;

    // The numbers 0 ... 90 once each, centred on their long marks.
    std::multiset<int> numbers;
    static const QRegularExpression chordText(QStringLiteral("^chord 0\u00B0-90\u00B0 = ([\\d.]+) mm$"));
    bool chord = false;
    bool radiusLabel = false;
    for (const TextRun& t : page.texts) {
        bool ok = false;
        const int value = t.text.trimmed().toInt(&ok);
        if (ok) {
            numbers.insert(value);
            const double at = bearing(centre, { (t.startX + t.endX) / 2, (t.startY + t.endY) / 2 });
            const auto nearest
                = std::min_element(longAngles.begin(), longAngles.end(), [at](double a, double b) {
                      return std::abs(angleBetween(a, at)) < std::abs(angleBetween(b, at));
                  });
            EXPECT_NEAR(angleBetween(*nearest, at), 0, 0.3) << value;
        }
        const auto match = chordText.match(t.text);
        if (match.hasMatch()) {
            chord = true;
            EXPECT_NEAR(match.captured(1).toDouble(), 250 * std::sin(std::numbers::pi / 4), 0.05);
        }
        if (t.text == QStringLiteral("R = 125.0 mm")) {
            radiusLabel = true;
            EXPECT_NEAR(std::remainder(t.angle, 360.0), 0, 0.01) << "upright on the sheet, read from outside";
        }
    }
    EXPECT_EQ(numbers, (std::multiset<int> { 0, 10, 20, 30, 40, 50, 60, 70, 80, 90 }));
    EXPECT_TRUE(chord);
    EXPECT_TRUE(radiusLabel);

    // The outline's radial end edges, half a long division (5 degrees) beyond the end marks.
    int edges = 0;
    for (const Segment& s : page.segments) {
        const Point a { s.x1, s.y1 };
        const Point b { s.x2, s.y2 };
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length <= kLong + 1 || std::abs(angleBetween(bearing(centre, a), bearing(centre, b))) > 0.01)
            continue;
        const double ra = std::hypot(a.x - centre.x, a.y - centre.y);
        const double rb = std::hypot(b.x - centre.x, b.y - centre.y);
        if (std::abs(std::max(ra, rb) - radius) > 1)
            continue;
        const double angle = bearing(centre, a);
        if (std::abs(angleBetween(angle, sorted.front() - 5)) < 0.01
            || std::abs(angleBetween(angle, sorted.back() + 5)) < 0.01)
            ++edges;
    }
    EXPECT_EQ(edges, 2);
    // The centre is marked: its cross's two strokes meet there.
    EXPECT_TRUE(std::any_of(page.segments.begin(), page.segments.end(), [&](const Segment& s) {
        return std::abs((s.x1 + s.x2) / 2 - centre.x) < 1 && std::abs((s.y1 + s.y2) / 2 - centre.y) < 1;
    }));
}

namespace {

struct SplitArcCase {
    const char* name;
    bool azimuth;
    bool ring; ///< a ring in sectors; otherwise a strip in segments, its size a length
    const char* size; ///< ring diameter or strip length, mm
    const char* from;
    const char* to;
    std::vector<QString> pieces; ///< each piece's range label, in the order of the arc
    int marks; ///< places of marks on all pieces, the overlaps' twice, and the index card's stroke
};

class SplitArcPieces : public ::testing::TestWithParam<SplitArcCase> { };

} // namespace

// An arc too long or too large for a sheet comes in pieces named by the numbers printed on them, not
// by where on the circle they lie; a ring's sectors each with its own chord, joined A on A like the
// sectors of a whole ring.
TEST_P(SplitArcPieces, AreNamedByTheirPrintedNumbers)
{
    const SplitArcCase& row = GetParam();
    Printed out;
    print(out, row.azimuth, false, [&row](SettingsModel& m) {
        m.setText(row.azimuth ? SizeText::Azimuth : SizeText::Altitude, QString::fromUtf8(row.size));
        m.setCheck(Check::Rings, row.ring ? SettingsModel::kChecked : SettingsModel::kUnchecked);
        m.setOption(Option::AltLen, !row.ring && !row.azimuth);
        m.setCheck(Check::SplitLong, SettingsModel::kChecked);
        m.setText(SizeText::ArcFrom, QString::fromUtf8(row.from));
        m.setText(SizeText::ArcTo, QString::fromUtf8(row.to));
    });
    ASSERT_EQ(out.status, QString());
    ASSERT_GE(out.pages.size(), 2u) << "the assembly map, then the pieces";
    const double radiusMm = QString::fromUtf8(row.size).toDouble() / 2;
    static const QRegularExpression chordText(QStringLiteral("^chord (.+) = ([\\d.]+) mm$"));
    static const QRegularExpression degrees(QStringLiteral("^(\\d+)\u00B0-(\\d+)\u00B0$"));
    std::vector<QString> ranges;
    std::map<QString, double> chords;
    std::set<std::tuple<std::size_t, long, long>> places;
    int radii = 0;
    for (std::size_t sheet = 1; sheet < out.pages.size(); ++sheet) {
        for (const TextRun& t : out.pages[sheet].texts) {
            if (degrees.match(t.text).hasMatch())
                ranges.push_back(t.text);
            if (const auto match = chordText.match(t.text); match.hasMatch())
                chords[match.captured(1)] = match.captured(2).toDouble();
            radii += t.text == QStringLiteral("R = %1 mm").arg(radiusMm, 0, 'f', 1) ? 1 : 0;
        }
        for (const Segment& s : out.pages[sheet].segments) {
            const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
            const bool mark = std::any_of(std::begin(kFamilies), std::end(kFamilies),
                [length](double family) { return std::abs(length - family) < 0.5; });
            // Marks of several lengths at one place hang from one point of the outer edge.
            // From the sheet's first row down: its scale bar's ticks stand above it.
            if (mark && std::min(s.y1, s.y2) > kSheetHead - 1)
                places.insert({ sheet, std::lround(s.x1 * 10), std::lround(s.y1 * 10) });
        }
    }
    std::sort(ranges.begin(), ranges.end());
    std::vector<QString> expected = row.pieces;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ranges, expected);
    EXPECT_EQ(static_cast<int>(places.size()), row.marks);
    if (!row.ring) {
        EXPECT_EQ(radii + chords.size(), 0u);
        return;
    }
    EXPECT_EQ(radii, static_cast<int>(row.pieces.size()));
    ASSERT_EQ(chords.size(), row.pieces.size());
    for (const QString& piece : row.pieces) {
        const auto match = degrees.match(piece);
        const double span = std::abs(match.captured(2).toDouble() - match.captured(1).toDouble());
        EXPECT_NEAR(chords[piece], 2 * radiusMm * std::sin(span / 2 * std::numbers::pi / 180), 0.05)
            << piece.toStdString();
    }
}

// Marks at every degree: a piece joined to the next carries its joint's mark and five more, up to
// its cut line.
INSTANTIATE_TEST_SUITE_P(Arcs, SplitArcPieces,
    ::testing::Values(
        SplitArcCase { "AltitudeFallingRing", false, true, "400", "90", "0",
            { QStringLiteral("90\u00B0-50\u00B0"), QStringLiteral("50\u00B0-0\u00B0") }, 91 + 6 + 1 },
        SplitArcCase { "AzimuthThirdRing", true, true, "600", "0", "120",
            { QStringLiteral("0\u00B0-30\u00B0"), QStringLiteral("30\u00B0-60\u00B0"),
                QStringLiteral("60\u00B0-90\u00B0"), QStringLiteral("90\u00B0-120\u00B0") },
            121 + 3 * 6 + 1 },
        // A segment carries its marks up to its cut line in the middle of its last division (35),
        // the next one from its first long mark (40).
        SplitArcCase { "AltitudeFallingStrip", false, false, "900", "90", "0",
            { QStringLiteral("90\u00B0-30\u00B0"), QStringLiteral("40\u00B0-0\u00B0") }, 91 + 6 + 1 }),
    [](const ::testing::TestParamInfo<SplitArcCase>& row) { return std::string(row.param.name); });
