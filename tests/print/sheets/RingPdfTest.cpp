// Rings printed to a PDF and read back: measured where the ink is, not where the code meant it.
#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "support/PdfReadback.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <optional>
#include <set>

namespace {

using pdfreadback::PdfPage;
using pdfreadback::Segment;

constexpr double kHalfTwentiethMm = 0.05 * kTwipsPerMm;

struct Point {
    double x = 0;
    double y = 0;
};

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

/// Degrees clockwise from 12 o'clock about the centre, in [0, 360).
double bearing(Point centre, Point p)
{
    const double a = std::atan2(p.x - centre.x, centre.y - p.y) * 180 / std::numbers::pi;
    return a < -1e-6 ? a + 360 : std::max(a, 0.0); // 0 at the top, not 359.99...
}

double angleBetween(double a, double b)
{
    return std::remainder(a - b, 360.0);
}

/// A radial mark read back: its outer end's bearing and radius, its length.
struct RadialMark {
    double angle = 0;
    double outer = 0;
    double inner = 0;
    double length = 0;
    Point outerEnd;
};

/// The marks of one ring or sector on a page: strokes whose outer end lies `radius` from a common
/// centre and that point at it. The centre is found as the place most marks point to.
struct Piece {
    Point centre;
    std::vector<RadialMark> marks; // by angle
};

std::vector<Piece> pieces(const PdfPage& page, double radius, const std::set<double>& markLengths)
{
    std::map<std::pair<long, long>, std::vector<std::pair<Point, const Segment*>>> votes;
    for (const Segment& s : page.segments) {
        const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
        if (!std::any_of(markLengths.begin(), markLengths.end(),
                [length](double l) { return std::abs(l - length) < 0.5; }))
            continue;
        const double ux = (s.x2 - s.x1) / length;
        const double uy = (s.y2 - s.y1) / length;
        // Either end may be the outer one; the true centres gather, the others scatter.
        for (const Point c : { Point { s.x1 + radius * ux, s.y1 + radius * uy },
                 Point { s.x2 - radius * ux, s.y2 - radius * uy } })
            votes[{ std::lround(c.x / 20), std::lround(c.y / 20) }].push_back({ c, &s });
    }
    std::vector<Piece> result;
    for (const auto& [cell, members] : votes) {
        if (members.size() < 20)
            continue;
        Piece piece;
        for (const auto& [c, s] : members) {
            piece.centre.x += c.x / static_cast<double>(members.size());
            piece.centre.y += c.y / static_cast<double>(members.size());
        }
        for (const auto& [c, s] : members) {
            const Point a { s->x1, s->y1 };
            const Point b { s->x2, s->y2 };
            const bool aOuter = distance(piece.centre, a) > distance(piece.centre, b);
            const Point outer = aOuter ? a : b;
            const Point inner = aOuter ? b : a;
            piece.marks.push_back({ bearing(piece.centre, outer), distance(piece.centre, outer),
                distance(piece.centre, inner), distance(a, b), outer });
            EXPECT_NEAR(angleBetween(bearing(piece.centre, inner), bearing(piece.centre, outer)), 0, 0.01)
                << "a mark points at the centre";
        }
        std::sort(piece.marks.begin(), piece.marks.end(),
            [](const RadialMark& a, const RadialMark& b) { return a.angle < b.angle; });
        // A longer mark is drawn over the small one at its place: one mark, the longer.
        std::vector<RadialMark> merged;
        for (const RadialMark& m : piece.marks) {
            if (!merged.empty() && std::abs(angleBetween(m.angle, merged.back().angle)) < 0.001) {
                if (m.length > merged.back().length)
                    merged.back() = m;
            } else {
                merged.push_back(m);
            }
        }
        piece.marks = std::move(merged);
        result.push_back(std::move(piece));
    }
    return result;
}

/// The middle of a text's baseline.
Point middle(const pdfreadback::TextRun& t)
{
    return { (t.startX + t.endX) / 2, (t.startY + t.endY) / 2 };
}

struct Printed {
    QTemporaryDir dir;
    std::vector<PdfPage> pages;
    QString status;
};

void print(Printed& out, bool azimuth, const QString& size, const std::function<void(SettingsModel&)>& set,
    const std::optional<QPageSize>& paper = std::nullopt)
{
    ASSERT_TRUE(out.dir.isValid());
    const QString file = out.dir.filePath(QStringLiteral("ring.pdf"));
    PdfFilePrinter printer; // A4 portrait unless told
    printer.setOutputFileName(file);
    if (paper)
        printer.setPaper(*paper);
    SettingsModel model;
    model.setText(azimuth ? SizeText::Azimuth : SizeText::Altitude, size);
    model.setOption(azimuth ? Option::Azmm : Option::Altmm, true);
    model.setCheck(Check::Rings, SettingsModel::kChecked);
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

const std::set<double> kMarkLengths { 100, 200, 250 }; // heights at CircleWidth 100

} // namespace

TEST(RingPdf, A120MillimetreAzimuthRingHasEveryDegreeOnItsRadius)
{
    Printed out;
    print(out, true, QStringLiteral("120"), [](SettingsModel&) {});
    ASSERT_EQ(out.status, QString());
    ASSERT_EQ(out.pages.size(), 1u);
    const double radius = 60 * kTwipsPerMm;
    const std::vector<Piece> found = pieces(out.pages[0], radius, kMarkLengths);
    ASSERT_EQ(found.size(), 1u) << "the marks meet in one centre";
    const Piece& ring = found[0];
    ASSERT_EQ(ring.marks.size(), 360u);
    for (std::size_t i = 0; i < ring.marks.size(); ++i) {
        const RadialMark& m = ring.marks[i];
        SCOPED_TRACE(i);
        EXPECT_NEAR(m.outer, radius, kHalfTwentiethMm);
        EXPECT_NEAR(angleBetween(m.angle, static_cast<double>(i)), 0, 0.01);
        EXPECT_NEAR(m.length, i % 10 == 0 ? 250 : i % 5 == 0 ? 200 : 100, 0.5);
    }
    // The numbers read upright from outside, centred on their marks, growing clockwise from 0 at top.
    std::set<int> numbers;
    for (const auto& t : out.pages[0].texts) {
        bool number = false;
        const int value = t.text.trimmed().toInt(&number);
        if (!number)
            continue;
        const double at = bearing(ring.centre, middle(t));
        SCOPED_TRACE(t.text.toStdString());
        EXPECT_NEAR(angleBetween(at, value), 0, 0.2);
        EXPECT_NEAR(angleBetween(t.angle, at + 180), 0, 0.01) << "the baseline runs along the circle";
        numbers.insert(value);
    }
    EXPECT_EQ(numbers.size(), 36u);
    EXPECT_EQ(*numbers.rbegin(), 350);
}

TEST(RingPdf, A450MillimetreRingSplitOnA4JoinsIntoOneRing)
{
    Printed out;
    print(out, true, QStringLiteral("450"),
        [](SettingsModel& model) { model.setCheck(Check::SplitLong, SettingsModel::kChecked); });
    ASSERT_EQ(out.status, QString());
    const double radius = 225 * kTwipsPerMm;
    static const QRegularExpression chordText(
        QStringLiteral("^chord (\\d+)\u00B0-(\\d+)\u00B0 = ([\\d.]+) mm$"));
    static const QRegularExpression rangeText(QStringLiteral("^(\\d+)\u00B0-(\\d+)\u00B0$"));

    std::size_t sectors = 0;
    std::set<int> numbers;
    std::map<QString, int> joints;
    int markCount = 0;
    for (std::size_t sheet = 0; sheet < out.pages.size(); ++sheet) {
        const PdfPage& page = out.pages[sheet];
        // Each sheet says which it is and carries a 50 mm bar to measure it by.
        const QString line
            = QStringLiteral("Sheet %1 of %2   Azimuth 450 mm dia.").arg(sheet + 1).arg(out.pages.size());
        EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(), [&](const auto& t) {
            return t.text == line;
        })) << line.toStdString();
        EXPECT_TRUE(std::any_of(page.segments.begin(), page.segments.end(), [](const Segment& s) {
            return s.y1 == s.y2 && std::abs(std::abs(s.x2 - s.x1) - 50 * kTwipsPerMm) < 0.05;
        }));
        if (sheet == 0)
            continue; // the assembly map
        const std::vector<Piece> found = pieces(page, radius, kMarkLengths);
        for (const Piece& piece : found) {
            SCOPED_TRACE(sectors);
            ++sectors;
            markCount += static_cast<int>(piece.marks.size());
            for (std::size_t i = 1; i < piece.marks.size(); ++i)
                EXPECT_NEAR(angleBetween(piece.marks[i].angle, piece.marks[i - 1].angle), 1.0, 0.01);
            // From its first long mark to its cut line, half a division past the joint's long mark:
            // nothing of it lies outside its outline.
            ASSERT_GE(piece.marks.size(), 2u);
            EXPECT_NEAR(piece.marks.front().length, 250, 0.5);
            EXPECT_NEAR(piece.marks.back().length, 200, 0.5)
                << "the last mark is the 5 degree one at the cut";
            EXPECT_EQ((piece.marks.size() - 1) % 10, 5u);
            for (const RadialMark& m : piece.marks)
                EXPECT_NEAR(m.outer, radius, kHalfTwentiethMm);
        }
        for (const auto& t : page.texts) {
            bool number = false;
            const int value = t.text.trimmed().toInt(&number);
            if (number)
                numbers.insert(value);
            else if (t.text.size() == 1 && t.text[0].isUpper())
                ++joints[t.text];
            const auto chord = chordText.match(t.text);
            if (!chord.hasMatch())
                continue;
            // The printed chord is the geometry's, and the ruler's on the page.
            const double span = chord.captured(2).toInt() - chord.captured(1).toInt();
            const double printed = chord.captured(3).toDouble();
            EXPECT_NEAR(printed, 450 * std::sin(span / 2 * std::numbers::pi / 180), 0.05);
            const auto owner
                = std::min_element(found.begin(), found.end(), [&](const Piece& a, const Piece& b) {
                      return distance(a.centre, middle(t)) < distance(b.centre, middle(t));
                  });
            ASSERT_NE(owner, found.end());
            std::vector<Point> longEnds;
            for (const RadialMark& m : owner->marks) {
                if (std::abs(m.length - 250) < 0.5)
                    longEnds.push_back(m.outerEnd);
            }
            ASSERT_GE(longEnds.size(), 2u);
            EXPECT_NEAR(distance(longEnds.front(), longEnds.back()) / kTwipsPerMm, printed, 0.05)
                << "the first long mark to the joint's";
        }
    }
    ASSERT_GT(sectors, 1u);
    EXPECT_EQ(36 % sectors, 0u) << "equal sectors";
    // Each sector carries the next one's first half division, up to its cut line: six more marks.
    EXPECT_EQ(markCount, static_cast<int>(360 + sectors * 6));
    EXPECT_EQ(numbers.size(), 36u);
    EXPECT_EQ(joints.size(), sectors) << "the last sector joins the first too";
    for (const auto& [letter, count] : joints)
        EXPECT_EQ(count, 2) << letter.toStdString() << " stands on both pieces of its joint";
}

struct RingRow {
    const char* name;
    bool azimuth;
    bool ra;
    int marks; // on the one ring of the one style
    int numbers;
};

class RingStyles : public ::testing::TestWithParam<RingRow> { };

TEST_P(RingStyles, BothInkStylesPrintWholeRings)
{
    const RingRow& row = GetParam();
    Printed out;
    print(out, row.azimuth, QStringLiteral("150"), [&row](SettingsModel& model) {
        model.setCheck(Check::WB, SettingsModel::kChecked);
        if (row.ra)
            model.setOption(Option::Ra, true);
    });
    ASSERT_EQ(out.status, QString());
    std::vector<Piece> found;
    int numbers = 0;
    for (const PdfPage& page : out.pages) {
        for (Piece& p : pieces(page, 75 * kTwipsPerMm, kMarkLengths))
            found.push_back(std::move(p));
        for (const auto& t : page.texts) {
            bool number = false;
            t.text.trimmed().toInt(&number);
            numbers += number;
        }
    }
    EXPECT_EQ(numbers, 2 * row.numbers) << "the strip's end number is its first again";
    ASSERT_EQ(found.size(), 2u) << "black on white, white on black";
    for (const Piece& p : found)
        EXPECT_EQ(p.marks.size(), static_cast<std::size_t>(row.marks));
}

INSTANTIATE_TEST_SUITE_P(Circles, RingStyles,
    ::testing::Values(RingRow { "Altitude", false, false, 360, 36 }, RingRow { "RA", true, true, 144, 24 }),
    [](const auto& row) { return std::string(row.param.name); });

struct RefusalRow {
    const char* size;
    bool split;
    const char* status;
    const char* arc = nullptr; ///< "FROM:TO"
};

class RingRefusal : public ::testing::TestWithParam<RefusalRow> { };

// The diameter stated prints when typed; a tenth more does not.
TEST_P(RingRefusal, ARingTooLargeNamesTheLargestDiameter)
{
    const RefusalRow& row = GetParam();
    Printed out;
    print(out, true, QString::fromLatin1(row.size), [&row](SettingsModel& model) {
        model.setCheck(Check::SplitLong, row.split ? SettingsModel::kChecked : SettingsModel::kUnchecked);
        if (row.arc != nullptr) {
            const QStringList ends = QString::fromLatin1(row.arc).split(QLatin1Char(':'));
            model.setText(SizeText::ArcFrom, ends[0]);
            model.setText(SizeText::ArcTo, ends[1]);
        }
    });
    EXPECT_EQ(out.status.toStdString(), row.status);
    EXPECT_EQ(out.pages.empty(), *row.status != 0);
}

INSTANTIATE_TEST_SUITE_P(A4, RingRefusal,
    ::testing::Values(RefusalRow { "195.1", false, "" },
        RefusalRow { "195.2", false, "Azimuth max. ring diameter is 195.1 mm for the printable area." },
        RefusalRow { "1193.1", true, "" },
        RefusalRow { "1193.2", true, "Azimuth max. ring diameter is 1193.1 mm for split rings." },
        // An arc splits like its ring; one short enough prints whole where its ring cannot be split.
        RefusalRow { "1193.2", true, "Azimuth max. ring diameter is 1193.1 mm for split rings.", "0:120" },
        RefusalRow { "2000", false, "", "7:9" }, RefusalRow { "2000", true, "", "7:9" }));

struct ReadingRow {
    const char* name;
    bool azimuth;
    const char* size; ///< the outer diameter, mm
    bool ra;
    bool signedDec;
    const char* zeroAt;
    bool fromCentre;
    int numbers; ///< printed once round the ring, each whole
    double step; ///< degrees between numbered marks
    const char* top; ///< the number at 12 o'clock; "" when the marks there carry none
    const char* bottom; ///< the number at 6 o'clock
};

class RingReading : public ::testing::TestWithParam<ReadingRow> { };

// Someone at a ground board stands outside the ring: every number's top points at its centre, its
// middle on its long mark; a disc read from its middle has them the other way.
TEST_P(RingReading, EveryNumberIsWholeOnItsMarkAndUprightFromItsSide)
{
    const ReadingRow& row = GetParam();
    Printed out;
    print(
        out, row.azimuth, QString::fromLatin1(row.size),
        [&row](SettingsModel& model) {
            model.setOption(Option::Ra, row.ra);
            model.setCheck(
                Check::SignedDec, row.signedDec ? SettingsModel::kChecked : SettingsModel::kUnchecked);
            model.setText(SizeText::ZeroAt, QString::fromLatin1(row.zeroAt));
            model.setCheck(
                Check::RingFromCentre, row.fromCentre ? SettingsModel::kChecked : SettingsModel::kUnchecked);
        },
        QPageSize(QSizeF(400, 400), QPageSize::Millimeter, QStringLiteral("Board")));
    ASSERT_EQ(out.status, QString());
    ASSERT_EQ(out.pages.size(), 1u);
    const double radius = std::atof(row.size) / 2 * kTwipsPerMm;
    const std::vector<Piece> found = pieces(out.pages[0], radius, kMarkLengths);
    ASSERT_EQ(found.size(), 1u);
    const Point centre = found[0].centre;
    const double zero = std::atof(row.zeroAt) * (row.ra ? 1.0 / 15 : 1.0);
    const double unit = row.ra ? 15.0 : 1.0; // degrees of the circle per unit of its reading
    const double offset = std::fmod(row.step - std::fmod(zero * unit, row.step), row.step);

    std::map<long, QString> byMark;
    for (const auto& t : out.pages[0].texts) {
        const QString text = t.text.trimmed();
        bool number = false;
        text.toInt(&number);
        if (!number)
            continue;
        SCOPED_TRACE(t.text.toStdString());
        const Point m = middle(t);
        const double at = bearing(centre, m);
        const double steps = (at - offset) / row.step;
        EXPECT_NEAR(steps, std::round(steps), 0.2 / row.step) << "centred on its long mark, at " << at;
        const long mark = std::lround(steps) % std::lround(360 / row.step);
        EXPECT_FALSE(byMark.contains(mark)) << "one number a mark";
        byMark[mark] = text;
        // The glyphs' up, the baseline turned a quarter back, against the way to the centre.
        const double a = t.angle * std::numbers::pi / 180;
        const double toCentre = std::atan2(centre.y - m.y, centre.x - m.x) * 180 / std::numbers::pi;
        const double up = std::atan2(-std::cos(a), std::sin(a)) * 180 / std::numbers::pi;
        EXPECT_NEAR(angleBetween(up, row.fromCentre ? toCentre + 180 : toCentre), 0, 10);
    }
    EXPECT_EQ(byMark.size(), static_cast<std::size_t>(row.numbers));
    if (*row.top != 0) {
        EXPECT_EQ(byMark[0].toStdString(), row.top);
    } else {
        EXPECT_NE(offset, 0.0);
    }
    if (*row.bottom != 0) {
        EXPECT_EQ(byMark[std::lround((180 - offset) / row.step)].toStdString(), row.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(Circles, RingReading,
    ::testing::Values(
        ReadingRow { "Altitude150", false, "150", false, false, "0", false, 36, 10, "90", "90" },
        ReadingRow { "Altitude150FromCentre", false, "150", false, false, "0", true, 36, 10, "90", "90" },
        ReadingRow { "Azimuth300", true, "300", false, false, "0", false, 36, 10, "0", "180" },
        ReadingRow { "Ra150", true, "150", true, false, "0", false, 24, 15, "0", "12" },
        ReadingRow { "SignedDeclination150", false, "150", false, true, "0", false, 36, 10, "90", "-90" },
        ReadingRow {
            "SignedDeclinationZeroAt30", false, "150", false, true, "30", false, 36, 10, "60", "-60" },
        ReadingRow { "AzimuthZeroAt180", true, "150", false, false, "180", false, 36, 10, "180", "0" },
        ReadingRow { "AltitudeZeroAt45", false, "150", false, false, "45", false, 36, 10, "", "" }),
    [](const auto& row) { return std::string(row.param.name); });
