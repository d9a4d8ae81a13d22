// Strips longer than the paper printed in segments to a PDF and read back, every page of it.
#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "support/PdfReadback.h"

#include <QFileInfo>
#include <QPageSize>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

constexpr double kLengthTw = 300 * 3.14 * 56.7; // a 300 mm diameter: 942 mm, 53411.4 twips
constexpr double kTenDegrees = kLengthTw / 36;
constexpr double kMarkNoise = 0.01; // twips: floats on the page and 9 digits in the PDF
constexpr double kSmall = 100; // mark heights at CircleWidth 100
constexpr double kFive = 200;
constexpr double kLong = 250;

struct Mark {
    double x;
    double height;
};

/// One segment of the strip as read back: its marks left to right, its texts and its range.
struct SegmentRow {
    double top = 0;
    std::vector<Mark> marks;
    std::vector<pdfreadback::TextRun> texts;
    int from = 0; // degrees, from the range label
    int to = 0;
    double firstLong() const
    {
        for (const Mark& m : marks) {
            if (m.height == kLong)
                return m.x;
        }
        return 0;
    }
};

double rounded(double twips)
{
    return std::round(twips);
}

/// The segment rows of a page: marks hang from each row's top in the top layout.
std::vector<SegmentRow> segmentRows(const pdfreadback::PdfPage& page)
{
    std::map<double, SegmentRow> rows;
    for (const auto& s : page.segments) {
        const double height = s.y2 - s.y1;
        if (std::abs(s.x2 - s.x1) > 0.01)
            continue;
        for (const double family : { kSmall, kFive, kLong }) {
            if (std::abs(height - family) < 0.05) {
                SegmentRow& row = rows[rounded(s.y1)];
                row.top = rounded(s.y1);
                row.marks.push_back({ s.x1, family });
            }
        }
    }
    std::vector<SegmentRow> result;
    for (auto& [top, row] : rows) {
        if (row.marks.size() > 20 && top >= 600) // not the index card's stroke, nor the sheet's check bar
            result.push_back(std::move(row));
    }
    static const QRegularExpression range(QStringLiteral("^(\\d+)\u00B0-(\\d+)\u00B0$"));
    for (std::size_t i = 0; i < result.size(); ++i) {
        const double bottom = i + 1 < result.size() ? result[i + 1].top : result[i].top + 1000;
        for (const auto& t : page.texts) {
            if (t.top < result[i].top || t.top >= bottom)
                continue;
            result[i].texts.push_back(t);
            const auto match = range.match(t.text);
            if (match.hasMatch()) {
                result[i].from = match.captured(1).toInt();
                result[i].to = match.captured(2).toInt();
            }
        }
        std::sort(result[i].marks.begin(), result[i].marks.end(),
            [](const Mark& a, const Mark& b) { return a.x < b.x || (a.x == b.x && a.height < b.height); });
    }
    return result;
}

/// A strip position for a mark of a segment: its distance from the segment's first long mark plus
/// where the segment starts on the strip.
double stripX(const SegmentRow& row, double x)
{
    return 100 + row.from / 10 * kTenDegrees + (x - row.firstLong());
}

/// The marks of the whole strip by family, as one strip of that length draws them.
std::map<double, std::vector<double>> wholeStrip()
{
    SettingsModel model;
    model.setText(SizeText::Azimuth, QStringLiteral("300"));
    model.setOption(Option::Azmm, true);
    ScriptedJobHost host(model, 60000); // a paper wide enough for the strip in one piece
    host.run(AzimuthPrintJob(model));
    std::map<double, std::vector<double>> families;
    for (const PageOp& op : host.deliveredPage().ops) {
        if (op.kind == PageOp::Kind::Stroke && op.y == 750)
            families[op.dy].push_back(op.x);
    }
    return families;
}

} // namespace

TEST(SplitStripPdf, A942MillimetreAzimuthStripJoinsIntoOneStrip)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("azimuth.pdf"));
    PdfFilePrinter printer; // A4 portrait: 11186 twips printable
    printer.setOutputFileName(file);
    SettingsModel model;
    model.setText(SizeText::Azimuth, QStringLiteral("300"));
    model.setOption(Option::Azmm, true);
    model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AzimuthPrintJob(model));
    ASSERT_EQ(model.status().text(), QString());

    const std::vector<pdfreadback::PdfPage> pages = pdfreadback::readPdfPages(file);
    ASSERT_EQ(pages.size(), 2u); // the assembly map, then the segments
    const std::vector<SegmentRow> rows = segmentRows(pages[1]);
    ASSERT_EQ(rows.size(), 6u);

    std::map<double, std::vector<double>> joined;
    std::set<QString> numbers;
    std::map<QString, std::vector<double>> joints; // label: where it stands on the strip, per segment
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SegmentRow& row = rows[i];
        SCOPED_TRACE(row.from);
        EXPECT_EQ(row.from, i == 0 ? 0 : rows[i - 1].to - 10) << "consecutive segments share ten degrees";
        std::vector<double> longs;
        for (const Mark& m : row.marks) {
            if (m.height == kLong)
                longs.push_back(m.x);
            joined[m.height].push_back(stripX(row, m.x));
        }
        // A segment ends at its cut line, half a division past the next one's first long mark.
        const bool lastRow = i + 1 == rows.size();
        ASSERT_EQ(longs.size(), static_cast<std::size_t>((row.to - row.from) / 10 + (lastRow ? 1 : 0)));
        if (!lastRow) {
            EXPECT_EQ(row.marks.back().height, kFive) << "the last mark is the 5-degree one at the cut";
        }
        for (std::size_t k = 1; k < longs.size(); ++k)
            EXPECT_NEAR(longs[k] - longs[k - 1], kTenDegrees, kMarkNoise);
        EXPECT_LE(row.marks.back().x, 11186.0);
        for (const auto& t : row.texts) {
            if (t.text.size() > 2 && t.text.startsWith(QLatin1Char(' ')))
                numbers.insert(t.text.trimmed());
            else if (t.text.size() == 1 && t.text[0].isUpper())
                joints[t.text].push_back(stripX(row, t.left));
        }
    }
    EXPECT_EQ(rows.back().to, 360);

    // Laid over one another at their overlaps, the segments are the one long strip, mark for mark.
    const std::map<double, std::vector<double>> whole = wholeStrip();
    for (const auto& [family, expected] : whole) {
        SCOPED_TRACE(family);
        std::vector<double> marks = joined[family];
        std::sort(marks.begin(), marks.end());
        std::vector<double> unique;
        std::size_t repeated = 0;
        for (const double x : marks) {
            if (!unique.empty() && x - unique.back() < kMarkNoise)
                ++repeated;
            else
                unique.push_back(x);
        }
        ASSERT_EQ(unique.size(), expected.size());
        for (std::size_t k = 0; k < unique.size(); ++k)
            EXPECT_NEAR(unique[k], expected[k], kMarkNoise);
        // Each of the five overlaps repeats half its division, up to the cut line: 6 one-degree
        // marks, the 5-degree mark and the 10-degree mark it starts with.
        EXPECT_EQ(repeated, 5u * (family == kSmall ? 6 : 1));
    }

    EXPECT_EQ(numbers.size(), 36u);
    EXPECT_TRUE(numbers.count(QStringLiteral("350")));
    ASSERT_EQ(joints.size(), 5u);
    for (const auto& [label, places] : joints) {
        SCOPED_TRACE(label.toStdString());
        ASSERT_EQ(places.size(), 2u) << "a joint is named on both of its sides";
        EXPECT_NEAR(places[0], places[1], 0.05) << "at the same place of the strip";
    }
    EXPECT_EQ(joints.begin()->first, QStringLiteral("A"));
    EXPECT_EQ(joints.rbegin()->first, QStringLiteral("E"));
}

TEST(SplitStripPdf, ATwoMetreRaStripInThreeSetsAndBothStylesKeepsEveryRowOnAPage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("ra.pdf"));
    PdfFilePrinter printer;
    printer.setOutputFileName(file);
    SettingsModel model;
    model.setText(SizeText::Azimuth, QStringLiteral("635"));
    model.setOption(Option::Azmm, true);
    model.setOption(Option::Ra, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    model.setSetCheck(2, SettingsModel::kChecked);
    model.setSetCheck(3, SettingsModel::kChecked);
    model.setCheckTop(2, SettingsModel::kUnchecked);
    model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.run(AzimuthPrintJob(model));
    ASSERT_EQ(model.status().text(), QString());

    // 1993.9 mm: 4711 twips an hour, so segments of two hours advancing by one, 23 a strip. Six
    // strips of them and three card rows are about 137000 twips of rows; a sheet takes whole rows
    // from 750 to 16118, 15 of the top layout's 1000-twip rows.
    const std::vector<pdfreadback::PdfPage> pages = pdfreadback::readPdfPages(file);
    EXPECT_EQ(pages.size(), 11u); // with the assembly map first
    const double bottom = 16838 - 2 * 360;
    const double right = 11906 - 2 * 360;
    int ranges = 0;
    int captions = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        for (const auto& s : pages[p].segments) {
            EXPECT_LE(std::max(s.y1, s.y2), bottom);
            EXPECT_GE(std::min(s.y1, s.y2), 0);
            EXPECT_LE(std::max(s.x1, s.x2), right);
        }
        for (const auto& b : pages[p].boxes) {
            EXPECT_LE(b.bottom, bottom);
            EXPECT_LE(b.right, right);
        }
        for (const auto& t : pages[p].texts) {
            EXPECT_LE(t.top + 230, bottom) << t.text.toStdString();
            ranges += p > 0 && t.text.contains(QStringLiteral("h-"));
            captions += t.text.startsWith(QStringLiteral("RA Circle length = 1993.9 mm"));
        }
    }
    EXPECT_EQ(ranges, 6 * 23);
    EXPECT_EQ(captions, 3);
    // The cards and caption of the last set follow its last segment.
    const auto& last = pages.back().texts;
    const auto caption = std::find_if(last.rbegin(), last.rend(),
        [](const auto& t) { return t.text.startsWith(QStringLiteral("RA Circle length = ")); });
    ASSERT_NE(caption, last.rend());
    for (auto t = last.rbegin(); t != caption; ++t)
        EXPECT_FALSE(t->text.contains(QStringLiteral("h-"))) << t->text.toStdString();
}

namespace {

/// A split job on a paper with options that widen what a segment must hold beside its two long
/// divisions: the numbers' overhang, a second row of them, a closing tab, verniers.
struct SplitMaximumCase {
    const char* name;
    QPageSize::PageSizeId paper;
    PageOrientation orientation;
    bool inches;
    bool ra;
    int font;
    bool bothWays;
    const char* zeroAt;
    bool closingTab;
    bool verniers;
};

void PrintTo(const SplitMaximumCase& row, std::ostream* out)
{
    *out << row.name;
}

class SplitMaximum : public ::testing::TestWithParam<SplitMaximumCase> {
protected:
    /// The job's status line after printing the strip at `size` to a PDF.
    QString printAt(const QString& size)
    {
        const SplitMaximumCase& row = GetParam();
        PdfFilePrinter printer;
        printer.setOrientation(row.orientation);
        printer.setPaper(QPageSize(row.paper));
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("split.pdf")));
        SettingsModel model;
        model.setText(SizeText::Azimuth, size);
        model.setOption(row.inches ? Option::Azin : Option::Azmm, true);
        model.setOption(Option::AzLen, true);
        model.setOption(row.ra ? Option::Ra : Option::Az, true);
        model.setSlider(Slider::Font, 1, row.font);
        model.setCheck(Check::SplitLong, SettingsModel::kChecked);
        model.setCheck(Check::BothWays, row.bothWays ? SettingsModel::kChecked : 0);
        model.setText(SizeText::ZeroAt, QLatin1String(row.zeroAt));
        model.setCheck(Check::ClosingTab, row.closingTab ? SettingsModel::kChecked : 0);
        model.setCheck(Check::Verniers, row.verniers ? SettingsModel::kChecked : 0);
        ScriptedJobHost host(model, 0);
        host.usePrinter(&printer);
        host.run(AzimuthPrintJob(model));
        return model.status().text();
    }

    QTemporaryDir m_dir;
};

// Every stated maximum prints, and a tenth more is refused with the same statement.
TEST_P(SplitMaximum, TheStatedLengthPrintsAndATenthMoreIsRefused)
{
    static const QRegularExpression statement(
        QStringLiteral("^(Azimuth|RA) max\\. length is (\\d+\\.\\d) (mm|inches) for split strips\\.$"));
    const QString refusal = printAt(QStringLiteral("99999"));
    const QRegularExpressionMatch match = statement.match(refusal);
    ASSERT_TRUE(match.hasMatch()) << refusal.toStdString();
    const double stated = match.captured(2).toDouble();

    EXPECT_EQ(printAt(match.captured(2)).toStdString(), "") << "the stated " << stated << " must print";
    EXPECT_GT(QFileInfo(m_dir.filePath(QStringLiteral("split.pdf"))).size(), 0);
    EXPECT_EQ(printAt(QString::number(stated + 0.1, 'f', 1)).toStdString(), refusal.toStdString());
}

INSTANTIATE_TEST_SUITE_P(SplitStripPdf, SplitMaximum,
    ::testing::Values(SplitMaximumCase { "A4Font14BothWaysZeroAt90Tab", QPageSize::A4,
                          PageOrientation::Portrait, false, false, 14, true, "90", true, false },
        SplitMaximumCase { "A4LandscapeEverything", QPageSize::A4, PageOrientation::Landscape, false, false,
            14, true, "90", true, true },
        SplitMaximumCase {
            "A3Plain", QPageSize::A3, PageOrientation::Portrait, false, false, 10, false, "0", false, false },
        SplitMaximumCase { "LetterLandscapeInchesVerniers", QPageSize::Letter, PageOrientation::Landscape,
            true, false, 12, false, "0", false, true },
        SplitMaximumCase { "A5RaBothWaysTab", QPageSize::A5, PageOrientation::Portrait, false, true, 14, true,
            "0", true, false }),
    [](const ::testing::TestParamInfo<SplitMaximumCase>& row) { return std::string(row.param.name); });

} // namespace
