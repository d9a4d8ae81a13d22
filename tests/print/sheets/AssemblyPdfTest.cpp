// Jobs printed in pieces, read back from the PDF: every sheet names itself and can be measured on
// its own, and the assembly map agrees with the sheets it maps.
#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "support/PdfReadback.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using pdfreadback::PdfPage;
using pdfreadback::Segment;
using pdfreadback::TextRun;

constexpr double kTwentiethMm = 0.05 * kTwipsPerMm;

std::vector<PdfPage> printAzimuth(
    const QTemporaryDir& dir, const QString& size, double factor, const std::vector<Check>& checks)
{
    const QString file = dir.filePath(QStringLiteral("pieces.pdf"));
    PdfFilePrinter printer; // A4 portrait
    printer.setOutputFileName(file);
    SettingsModel model;
    model.setText(SizeText::Azimuth, size);
    model.setOption(Option::Azmm, true);
    for (Check check : checks)
        model.setCheck(check, SettingsModel::kChecked);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.setFactors({ factor, 1.0 });
    host.run(AzimuthPrintJob(model));
    EXPECT_EQ(model.status().text(), QString());
    return pdfreadback::readPdfPages(file);
}

bool isJointLetter(const QString& text)
{
    return text.size() == 1 && text[0].isUpper();
}

bool isRange(const QString& text)
{
    static const QRegularExpression range(QStringLiteral("^\\d+\u00B0-\\d+\u00B0$"));
    return range.match(text).hasMatch();
}

struct PiecesRow {
    const char* name;
    bool ring;
    double factor; // the printer's correction along the strip
};

class PiecesPdf : public ::testing::TestWithParam<PiecesRow> { };

TEST_P(PiecesPdf, EverySheetIsNamedAndMeasurableAndTheMapMatchesTheSheets)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<Check> checks { Check::SplitLong, Check::ClosingTab };
    if (GetParam().ring)
        checks.push_back(Check::Rings);
    const std::vector<PdfPage> pages = printAzimuth(dir, QStringLiteral("300"), GetParam().factor, checks);
    ASSERT_GE(pages.size(), 2u);

    std::map<QString, std::size_t> rangesOnSheets; // a piece's range: the sheet it is on
    std::set<QString> lettersOnSheets;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        const PdfPage& page = pages[p];
        const QString line
            = QStringLiteral("Sheet %1 of %2   Azimuth 300 mm dia.").arg(p + 1).arg(pages.size());
        EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(), [&](const TextRun& t) {
            return t.text == line;
        })) << line.toStdString();
        // The check bar: the ticks at its two ends 50 mm apart on the paper, times the correction.
        const auto bar = std::find_if(page.segments.begin(), page.segments.end(), [](const Segment& s) {
            return s.y1 == s.y2 && s.y1 < 600 && std::abs(s.x2 - s.x1) > 40 * kTwipsPerMm;
        });
        ASSERT_NE(bar, page.segments.end());
        double first = 1e9;
        double last = -1e9;
        for (const Segment& s : page.segments) {
            if (s.x1 == s.x2 && std::max(s.y1, s.y2) == bar->y1) {
                first = std::min(first, s.x1);
                last = std::max(last, s.x1);
            }
        }
        EXPECT_NEAR(last - first, 50 * GetParam().factor * kTwipsPerMm, kTwentiethMm);
        if (p == 0)
            continue;
        for (const TextRun& t : page.texts) {
            if (isRange(t.text)) {
                EXPECT_TRUE(rangesOnSheets.emplace(t.text, p + 1).second) << t.text.toStdString();
            }
            if (isJointLetter(t.text))
                lettersOnSheets.insert(t.text);
        }
    }

    // The map: each piece's range over the sheet it names; its joint letters.
    const PdfPage& map = pages.front();
    EXPECT_TRUE(std::any_of(map.texts.begin(), map.texts.end(), [](const TextRun& t) {
        return t.text
            == QStringLiteral(
                "Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks");
    }));
    static const QRegularExpression sheetLabel(QStringLiteral("^Sheet (\\d+)$"));
    std::map<QString, std::size_t> rangesOnMap;
    std::set<QString> lettersOnMap;
    for (const TextRun& sheet : map.texts) {
        if (isJointLetter(sheet.text))
            lettersOnMap.insert(sheet.text);
        const QRegularExpressionMatch number = sheetLabel.match(sheet.text);
        if (!number.hasMatch())
            continue;
        const auto range = std::find_if(map.texts.begin(), map.texts.end(), [&](const TextRun& t) {
            return isRange(t.text) && std::abs(t.left + t.right - sheet.left - sheet.right) < 2
                && sheet.top > t.top && sheet.top - t.top < 300;
        });
        ASSERT_NE(range, map.texts.end()) << sheet.text.toStdString();
        rangesOnMap[range->text] = number.captured(1).toUInt();
    }
    EXPECT_GE(rangesOnSheets.size(), 4u);
    EXPECT_EQ(rangesOnMap, rangesOnSheets);
    EXPECT_EQ(lettersOnMap, lettersOnSheets);
    EXPECT_EQ(lettersOnMap.count(QStringLiteral("Z")), GetParam().ring ? 0u : 1u) << "a ring has no tab";
}

INSTANTIATE_TEST_SUITE_P(SplitOnA4, PiecesPdf,
    ::testing::Values(PiecesRow { "Strip942mm", false, 1.0 }, PiecesRow { "Strip942mmLonger", false, 1.01 },
        PiecesRow { "Ring300mm", true, 1.0 }, PiecesRow { "Ring300mmLonger", true, 1.01 }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ClosingTabPdf, TheTabRepeatsTheFirstLongDivisionOneStripLengthOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<PdfPage> pages = printAzimuth(dir, QStringLiteral("60"), 1.0, { Check::ClosingTab });
    ASSERT_EQ(pages.size(), 1u) << "a strip that fits stays on its sheet";
    // The strip's marks hang from its top edge, above every other mark-long stroke of the sheet.
    std::vector<double> marks;
    double top = 1e9;
    for (const Segment& s : pages[0].segments) {
        if (s.x1 == s.x2 && std::abs(s.y2 - s.y1) <= 250)
            top = std::min(top, std::min(s.y1, s.y2));
    }
    for (const Segment& s : pages[0].segments) {
        const double length = std::abs(s.y2 - s.y1);
        if (s.x1 == s.x2 && std::min(s.y1, s.y2) == top && length <= 250)
            marks.push_back(s.x1);
    }
    std::sort(marks.begin(), marks.end());
    // A wider pen may read back as more than one stroke.
    marks.erase(
        std::unique(marks.begin(), marks.end(), [](double a, double b) { return b - a < 1; }), marks.end());
    // 0 to 360 degrees, then 1 to 10 again.
    ASSERT_EQ(marks.size(), 361u + 10u);
    const double length = 188.4 * kTwipsPerMm;
    EXPECT_NEAR(marks[360] - marks[0], length, kTwentiethMm);
    for (std::size_t degree = 1; degree <= 10; ++degree)
        EXPECT_NEAR(marks[360 + degree] - marks[degree], length, kTwentiethMm) << degree;

    std::vector<double> letters;
    for (const TextRun& t : pages[0].texts) {
        if (t.text == QStringLiteral("Z"))
            letters.push_back(t.left);
    }
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_NEAR(std::abs(letters[1] - letters[0]), length, kTwentiethMm) << "at the same place of the strip";
}

} // namespace
