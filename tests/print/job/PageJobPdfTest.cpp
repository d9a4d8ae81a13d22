// The wrap tape and the proof sheet printed to a real PDF file and read back: ticks, numbers, marks
// and labels where a ruler would find them.
#include "app/output/JobRun.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/job/ProofSheet.h"
#include "print/job/WrapTape.h"
#include "print/page/PageUnits.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/sheets/SheetLayout.h"
#include "settings/SettingsModel.h"
#include "settings/StatusLine.h"
#include "support/PdfReadback.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

constexpr double kTrueTwipsPerMm = 1440 / 25.4; // the PDF's own millimetre
constexpr double kHundredthMm = 0.01 * kTrueTwipsPerMm;

/// The PDF printer with a scale correction of our choosing, as a calibrated printer has.
class CorrectedPdf : public JobOutput {
public:
    CorrectedPdf(const QString& file, const ScaleFactors& factors, PageOrientation orientation)
        : m_factors(factors)
    {
        m_printer.setOutputFileName(file);
        m_printer.setOrientation(orientation);
    }
    JobSheets sheets() override { return SheetFormat { m_printer.paper(), m_factors }; }
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override
    {
        return openSheetDocument(
            request, [this](const std::vector<Page>& sheets) { m_printer.printSheets(sheets); });
    }
    PaperFormat paper() const { return m_printer.paper(); }

private:
    ScaleFactors m_factors;
    PdfFilePrinter m_printer;
};

// ---------------------------------------------------------------------------------------------
// The wrap tape

struct Tick {
    double x;
    double height;
};

/// One piece of the tape as read back: its ticks left to right, the tape index of the first one,
/// and its numbers with the tick index their centre stands on.
struct TapeRow {
    std::vector<Tick> ticks;
    int firstIndex = 0;
    std::vector<std::pair<int, int>> numbers; // value, tick index under its centre
};

struct TapeCase {
    const char* name;
    const char* length;
    double factor; ///< along the page's x, the way the tape runs
    PageOrientation orientation;
    int ticks;
    int lastNumber;
    int perNumber; ///< ticks from one number to the next
    double stepMm; ///< from one tick to the next, as printed
};

void PrintTo(const TapeCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<TapeRow> tapeRows(const std::vector<pdfreadback::PdfPage>& pages, const TapeCase& c)
{
    std::vector<TapeRow> rows;
    const double pitch = c.stepMm * kTrueTwipsPerMm;
    for (const pdfreadback::PdfPage& page : pages) {
        std::map<long, std::vector<Tick>> byTop;
        for (const auto& s : page.segments) {
            const double height = s.y2 - s.y1;
            if (std::abs(s.x2 - s.x1) > 0.01)
                continue;
            for (const double tick : { WrapTape::kShortTick, WrapTape::kMiddleTick, WrapTape::kLongTick }) {
                if (std::abs(height - tick) < 0.05)
                    byTop[std::lround(s.y1)].push_back({ s.x1, tick });
            }
        }
        for (auto& [top, ticks] : byTop) {
            if (ticks.size() < 20)
                continue;
            std::sort(ticks.begin(), ticks.end(), [](const Tick& a, const Tick& b) { return a.x < b.x; });
            TapeRow row;
            row.ticks = ticks;
            const Tick* firstLong = nullptr;
            std::size_t firstLongAt = 0;
            for (std::size_t i = 0; i < ticks.size() && !firstLong; ++i) {
                if (ticks[i].height == WrapTape::kLongTick) {
                    firstLong = &ticks[i];
                    firstLongAt = i;
                }
            }
            if (!firstLong)
                continue;
            // The numbers below the ticks, each placed by its centre on the tick scale of the row.
            std::vector<std::pair<int, double>> found;
            for (const auto& t : page.texts) {
                bool number = false;
                const int value = t.text.trimmed().toInt(&number);
                if (number && t.top > top + WrapTape::kLongTick && t.top < top + WrapTape::kLongTick + 400)
                    found.push_back({ value, (t.startX + t.endX) / 2 });
            }
            // The number nearest the first long tick names it.
            const auto named
                = std::min_element(found.begin(), found.end(), [&](const auto& a, const auto& b) {
                      return std::abs(a.second - firstLong->x) < std::abs(b.second - firstLong->x);
                  });
            if (named == found.end())
                continue;
            row.firstIndex = named->first * c.perNumber - static_cast<int>(firstLongAt);
            for (const auto& [value, centre] : found)
                row.numbers.push_back({ value,
                    row.firstIndex + static_cast<int>(std::lround((centre - ticks.front().x) / pitch)) });
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

class WrapTapePdf : public ::testing::TestWithParam<TapeCase> { };

TEST_P(WrapTapePdf, TicksAndNumbersMeasureAcrossJoints)
{
    const TapeCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("tape.pdf"));
    CorrectedPdf output(file, ScaleFactors { c.factor, 1.0 }, c.orientation);
    StatusLine status;
    const auto length = TapeLength::read(QString::fromLatin1(c.length));
    ASSERT_TRUE(std::holds_alternative<TapeLength>(length));
    ASSERT_TRUE(
        runPageJob(WrapTape(std::get<TapeLength>(length)), { status, nullptr, nullptr, nullptr }, output))
        << status.text().toStdString();
    const std::vector<pdfreadback::PdfPage> pages = pdfreadback::readPdfPages(file);
    const std::vector<TapeRow> rows = tapeRows(pages, c);
    ASSERT_GE(rows.size(), 2u);

    const double pitch = c.stepMm * kTrueTwipsPerMm;
    std::set<int> indices;
    std::map<int, int> shown; // number -> times it stands on the assembled tape
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const TapeRow& row = rows[r];
        for (std::size_t i = 1; i < row.ticks.size(); ++i)
            EXPECT_NEAR(row.ticks[i].x - row.ticks[i - 1].x, pitch, kHundredthMm)
                << "piece " << r << " tick " << i;
        const int last = row.firstIndex + static_cast<int>(row.ticks.size()) - 1;
        for (int k = row.firstIndex; k <= last; ++k)
            indices.insert(k);
        // Each piece ends at its cut line, in the middle of a long division; the next begins that
        // half division earlier, under it, mark on mark.
        const int from = r == 0
            ? 0
            : rows[r - 1].firstIndex + static_cast<int>(rows[r - 1].ticks.size()) - 1 - c.perNumber / 2;
        const int to = r + 1 == rows.size() ? last : last - c.perNumber / 2;
        for (const auto& [value, index] : row.numbers) {
            EXPECT_EQ(index, value * c.perNumber) << "number " << value << " off its tick, piece " << r;
            if (index >= from && index < to + (r + 1 == rows.size() ? 1 : 0))
                ++shown[value];
        }
        if (r + 1 < rows.size()) {
            const TapeRow& next = rows[r + 1];
            ASSERT_EQ(next.firstIndex, last - c.perNumber / 2) << "pieces share half a long division";
            const double offset = next.ticks.front().x - row.ticks[next.firstIndex - row.firstIndex].x;
            for (int k = next.firstIndex; k <= last; ++k)
                EXPECT_NEAR(
                    next.ticks[k - next.firstIndex].x - row.ticks[k - row.firstIndex].x, offset, kHundredthMm)
                    << "joint " << r << " tick " << k;
        }
    }
    EXPECT_EQ(indices.size(), static_cast<std::size_t>(c.ticks));
    EXPECT_EQ(*indices.begin(), 0);
    EXPECT_EQ(*indices.rbegin(), c.ticks - 1);
    for (int n = 0; n <= c.lastNumber; ++n)
        EXPECT_EQ(shown[n], 1) << "number " << n;
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(c.lastNumber + 1));
    // The sheet line on every sheet and the assembly map first.
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const QString line = QStringLiteral("Sheet %1 of %2").arg(p + 1).arg(pages.size());
        EXPECT_TRUE(std::any_of(pages[p].texts.begin(), pages[p].texts.end(), [&](const auto& t) {
            return t.text.startsWith(line);
        })) << line.toStdString();
    }
}

const TapeCase kTapes[] = {
    { "Metre", "1000mm", 1.0, PageOrientation::Portrait, 1001, 100, 10, 56.7 / kTrueTwipsPerMm },
    { "MetreOnAPrinterOnePercentShort", "1000mm", 1.01, PageOrientation::Portrait, 1001, 100, 10,
        1.01 * 56.7 / kTrueTwipsPerMm },
    { "FortyInchesLandscape", "40in", 1.0, PageOrientation::Landscape, 801, 40, 20,
        25.4 / 20 * 56.7 / kTrueTwipsPerMm },
    { "NotAWholeCentimetre", "1234.5 mm", 0.995, PageOrientation::Portrait, 1235, 123, 10,
        0.995 * 56.7 / kTrueTwipsPerMm },
};

INSTANTIATE_TEST_SUITE_P(Tapes, WrapTapePdf, ::testing::ValuesIn(kTapes),
    [](const ::testing::TestParamInfo<TapeCase>& row) { return std::string(row.param.name); });

struct TapeRefusal {
    const char* name;
    const char* length;
    QPageSize::PageSizeId paper;
    const char* message; ///< empty: printed
};

class WrapTapeRefusal : public ::testing::TestWithParam<TapeRefusal> { };

TEST_P(WrapTapeRefusal, SaysWhyInOneLine)
{
    const TapeRefusal& c = GetParam();
    const auto length = TapeLength::read(QString::fromLatin1(c.length));
    QString message;
    if (const auto* error = std::get_if<QString>(&length)) {
        message = *error;
    } else {
        const SheetFormat format { PaperFormat::of(QPageSize(c.paper), PageOrientation::Portrait), {} };
        const auto checked = WrapTape(std::get<TapeLength>(length)).check(format);
        if (const auto* refusal = std::get_if<QString>(&checked))
            message = *refusal;
    }
    EXPECT_EQ(message.toStdString(), std::string(c.message));
}

const TapeRefusal kRefusals[] = {
    { "Metre", "1000mm", QPageSize::A4, "" },
    { "Shortest", "100mm", QPageSize::A4, "" },
    { "DecimalComma", "0,5in", QPageSize::A4, "Wrap tape size must be at least 4 inches" },
    { "BelowTheShortest", "99.9mm", QPageSize::A4, "Wrap tape size must be at least 100 mm" },
    { "Longest", "10000mm", QPageSize::A4, "" },
    { "PastTheLongest", "10001mm", QPageSize::A4, "Wrap tape max. length is 10000 mm for split strips." },
    { "PastTheLongestInches", "394in", QPageSize::A4,
        "Wrap tape max. length is 393 inches for split strips." },
    { "TooNarrowToSplit", "200mm", QPageSize::A10, "Wrap tape max. length is 0 mm for split strips." },
    { "NoUnit", "1000", QPageSize::A4,
        "Wrap tape: '1000' is not a length; give it with its unit, for example 1000mm or 40in." },
    { "Metres", "1m", QPageSize::A4,
        "Wrap tape: '1m' is not a length; give it with its unit, for example 1000mm or 40in." },
    { "Empty", "", QPageSize::A4,
        "Wrap tape: '' is not a length; give it with its unit, for example 1000mm or 40in." },
};

INSTANTIATE_TEST_SUITE_P(Lengths, WrapTapeRefusal, ::testing::ValuesIn(kRefusals),
    [](const ::testing::TestParamInfo<TapeRefusal>& row) { return std::string(row.param.name); });

// ---------------------------------------------------------------------------------------------
// The proof sheet

struct ProofCase {
    const char* name;
    std::function<void(SettingsModel&)> settings;
    bool azimuth;
    double lengthTw; ///< the circle's strip
    int longDivisions; ///< 36 tens of degrees, 24 hours
    const char* span; ///< as the title names it
    ScaleFactors factors = {};
};

void PrintTo(const ProofCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProofSheetPdf : public ::testing::TestWithParam<ProofCase> { };

/// "Widths 2-3-3, Height 100, Font 10" read back into its numbers.
struct Label {
    int pens[3];
    int height;
    int font;
    double left;
    double top;
};

TEST_P(ProofSheetPdf, EveryLabelMatchesTheSampleBelowIt)
{
    const ProofCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("proof.pdf"));
    SettingsModel model;
    c.settings(model);
    CorrectedPdf output(file, c.factors, PageOrientation::Portrait);
    StatusLine status;
    const ProofSheet proof(c.azimuth ? AzimuthPrintJob(model).circle() : AltitudePrintJob(model).circle());
    ASSERT_TRUE(runPageJob(proof, { status, nullptr, nullptr, nullptr }, output))
        << status.text().toStdString();
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(file);
    EXPECT_EQ(page.pageCount, 1);

    const PaperFormat paper = output.paper();
    for (const auto& s : page.segments) {
        EXPECT_GE(std::min(s.x1, s.x2), 0);
        EXPECT_LE(std::max(s.x1, s.x2), paper.printableWidth());
        EXPECT_GE(std::min(s.y1, s.y2), 0);
        EXPECT_LE(std::max(s.y1, s.y2), paper.printableHeight());
    }
    for (const auto& b : page.boxes) {
        EXPECT_GE(b.left, 0);
        EXPECT_LE(b.right, paper.printableWidth());
        EXPECT_LE(b.bottom, paper.printableHeight());
    }
    for (const auto& t : page.texts) {
        EXPECT_GE(t.left, 0);
        EXPECT_LE(t.right, paper.printableWidth());
        EXPECT_LE(t.baseline, paper.printableHeight());
    }
    EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(), [&](const auto& t) {
        return t.text.endsWith(QStringLiteral("samples of %1").arg(QString::fromUtf8(c.span)));
    }));

    static const QRegularExpression pattern(
        QStringLiteral("^Widths (\\d)-(\\d)-(\\d), Height (\\d+), Font (\\d+)$"));
    std::vector<Label> labels;
    for (const auto& t : page.texts) {
        const QRegularExpressionMatch m = pattern.match(t.text);
        if (m.hasMatch())
            labels.push_back({ { m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt() },
                m.captured(4).toInt(), m.captured(5).toInt(), t.left, t.top });
    }
    ASSERT_EQ(labels.size(), 12u);
    std::set<std::pair<int, int>> widthHeight, heightFont, widthFont;
    for (const Label& label : labels) {
        widthHeight.insert({ label.pens[0], label.height });
        heightFont.insert({ label.height, label.font });
        widthFont.insert({ label.pens[0], label.font });
    }
    EXPECT_EQ(widthHeight.size(), 12u) << "every smallest width with every height";
    EXPECT_EQ(heightFont.size(), 9u) << "every height with every font";
    EXPECT_EQ(widthFont.size(), 12u) << "every smallest width with every font";

    for (const Label& label : labels) {
        // The label's cell: right of it to the next label, below it to the next row of labels.
        double right = 1e9;
        double bottom = 1e9;
        for (const Label& other : labels) {
            if (std::abs(other.top - label.top) < 1 && other.left > label.left + 1)
                right = std::min(right, other.left);
            if (other.top > label.top + 1)
                bottom = std::min(bottom, other.top);
        }
        const auto inCell
            = [&](double x, double y) { return x >= label.left && x < right && y > label.top && y < bottom; };
        const double down = c.factors.alongLength;
        const double heights[3]
            = { label.height * down, 2.0 * label.height * down, std::nearbyint(2.5 * label.height) * down };
        for (const qint64 ink : { qint64(0x000000), qint64(0xFFFFFF) }) {
            SCOPED_TRACE(label.pens[0] * 1000 + label.height + ink);
            std::vector<double> tens;
            int counts[3] = { 0, 0, 0 };
            for (const auto& s : page.segments) {
                if (s.colour != ink || std::abs(s.x2 - s.x1) > 0.01 || !inCell(s.x1, s.y1))
                    continue;
                for (int family = 0; family < 3; ++family) {
                    if (std::abs(std::abs(s.y2 - s.y1) - heights[family]) < 0.05) {
                        ++counts[family];
                        EXPECT_NEAR(s.width, label.pens[family] * kTwipsPerDot * down, 0.05)
                            << "family " << family;
                        if (family == 2)
                            tens.push_back(s.x1);
                    }
                }
            }
            // A sample of 40, 20 or 10 degrees: its two end marks are long ones, at the circle's size.
            ASSERT_GE(tens.size(), 2u);
            std::sort(tens.begin(), tens.end());
            for (std::size_t i = 1; i < tens.size(); ++i)
                EXPECT_NEAR(tens[i] - tens[i - 1], c.lengthTw / c.longDivisions * c.factors.alongWidth, 0.5);
            EXPECT_GT(counts[0], 0);
            int numbers = 0;
            for (const auto& t : page.texts) {
                if (t.colour == ink && inCell(t.left, t.top) && t.text.trimmed().toInt() >= 0
                    && !t.text.startsWith(QLatin1String("Widths"))) {
                    EXPECT_NEAR(t.points, label.font * down, 0.01) << t.text.toStdString();
                    ++numbers;
                }
            }
            EXPECT_EQ(numbers, static_cast<int>(tens.size())) << "a number on every long mark";
        }
        // White on black: the box under the white sample.
        EXPECT_TRUE(std::any_of(page.boxes.begin(), page.boxes.end(),
            [&](const auto& b) { return b.filled && b.fillColour == 0 && inCell(b.left + 250, b.top); }));
    }
}

const ProofCase kProofs[] = {
    { "AzimuthThreeInches", [](SettingsModel&) {}, true, 3 * 25.4 * 3.14 * 56.7, 36, "40\u00B0" },
    { "Altitude80mm",
        [](SettingsModel& m) {
            m.setText(SizeText::Altitude, QStringLiteral("80"));
            m.setOption(Option::Altmm, true);
        },
        false, 80 * 3.14 * 56.7, 36, "40\u00B0" },
    // Hours: the long marks every hour; 40 degrees of it are 2 h 40 min.
    { "RaSixInches",
        [](SettingsModel& m) {
            m.setOption(Option::Ra, true);
            m.setText(SizeText::Azimuth, QStringLiteral("6"));
        },
        true, 6 * 25.4 * 3.14 * 56.7, 24, "40\u00B0" },
    // 450 mm across: 40 degrees are 157 mm, one sample a row; the twelve fit at 20 degrees.
    { "LargeCircleShorterSamples",
        [](SettingsModel& m) {
            m.setText(SizeText::Azimuth, QStringLiteral("450"));
            m.setOption(Option::Azmm, true);
        },
        true, 450 * 3.14 * 56.7, 36, "20\u00B0" },
    // A printer 5 % short both ways: the samples at their corrected size, still inside the paper,
    // where 40 degrees of 785 mm would stand one a row and not fit down the sheet.
    { "CorrectedPrinter",
        [](SettingsModel& m) {
            m.setText(SizeText::Azimuth, QStringLiteral("250"));
            m.setOption(Option::Azmm, true);
        },
        true, 250 * 3.14 * 56.7, 36, "20\u00B0", { 1.05, 1.05 } },
};

INSTANTIATE_TEST_SUITE_P(Circles, ProofSheetPdf, ::testing::ValuesIn(kProofs),
    [](const ::testing::TestParamInfo<ProofCase>& row) { return std::string(row.param.name); });

} // namespace
