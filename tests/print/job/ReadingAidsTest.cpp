// Verniers and the second number row, as recorded with fixed metrics (11 twips a character per
// point, a line 22 twips per point high) and read back from a PDF.
#include "PageQuery.h"
#include "ScriptedJobHost.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/sheets/InkExtents.h"
#include "support/PdfReadback.h"
#include "support/ScriptedPrinters.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace pagequery;

namespace {

constexpr double kSixtyMm = 60 * 3.14 * 56.7; // 10682.28 twips
constexpr double kCharWidth = 11; // per point
constexpr double kLineHeight = 22; // per point

/// A 60 mm azimuth (or RA) strip, black on white, on a page wide enough for it and its caption.
struct Rig {
    explicit Rig(bool ra = false)
        : host(model, 20000) // wide enough for the longest caption on one line in these metrics
    {
        model.setText(SizeText::Azimuth, QStringLiteral("60"));
        model.setOption(Option::Azmm, true);
        if (ra)
            model.setOption(Option::Ra, true);
    }
    const Page& run()
    {
        position = host.run(AzimuthPrintJob(model));
        EXPECT_EQ(model.status().text(), QString()) << model.status().text().toStdString();
        return host.deliveredPage();
    }

    SettingsModel model;
    ScriptedJobHost host;
    PagePosition position;
};

std::vector<PageOp> rowAt(const Page& page, double y)
{
    return select(page, [y](const PageOp& op) { return op.kind == PageOp::Kind::Text && op.y == y; });
}

QString captionOf(const Page& page)
{
    return captionText(page);
}

QStringList numbersOf(const std::vector<PageOp>& row)
{
    QStringList numbers;
    for (const PageOp& op : row)
        numbers << op.text.trimmed();
    return numbers;
}

/// Where a number stands in a row of the strip, by the first row's rules: the left end's, the
/// middle numbers', the right end's (RA: -40).
double numberLeft(std::size_t i, std::size_t count, const QString& digits, double points, double lastOffset)
{
    const double spacing = kSixtyMm / (count - 1);
    const double x = 100 + i * spacing;
    const double w = digits.size() * kCharWidth * points;
    if (i == 0)
        return std::nearbyint(x - w) + 75;
    if (i + 1 == count)
        return std::nearbyint(x - w) + lastOffset;
    return std::nearbyint(x - w / 2) - 50;
}

struct OtherWayCase {
    const char* name;
    bool ra;
    bool increasing;
    QStringList second;
    double lastOffset;
};

QStringList azimuthDown()
{
    QStringList numbers { QStringLiteral("0") };
    for (int n = 350; n > 0; n -= 10)
        numbers << QString::number(n);
    return numbers << QStringLiteral("0");
}

QStringList azimuthUp()
{
    QStringList numbers;
    for (int n = 0; n < 360; n += 10)
        numbers << QString::number(n);
    return numbers << QStringLiteral("0");
}

QStringList hourAngle()
{
    QStringList numbers { QStringLiteral("0") };
    for (int n = 23; n > 0; --n)
        numbers << QString::number(n);
    return numbers << QStringLiteral("0");
}

class OtherWay : public ::testing::TestWithParam<OtherWayCase> { };

} // namespace

TEST_P(OtherWay, SecondRowUnderTheFirstAtTheSameMarks)
{
    const OtherWayCase& c = GetParam();
    Rig rig(c.ra);
    rig.model.setCheck(Check::AzCT, c.increasing ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    rig.model.setCheck(Check::BothWays, SettingsModel::kChecked);
    const Page& page = rig.run();
    // Top layout: the first row at 750 + 250, 220 high; the second, 2 points smaller, right under it.
    const auto second = rowAt(page, 1220);
    ASSERT_EQ(numbersOf(second), c.second);
    for (std::size_t i = 0; i < second.size(); ++i) {
        EXPECT_EQ(second[i].fontPoints, 8);
        EXPECT_EQ(second[i].x, numberLeft(i, second.size(), second[i].text.trimmed(), 8, c.lastOffset)) << i;
    }
    EXPECT_EQ(rowAt(page, 1000).size(), second.size());
    // The rows below move down by the second row's 176 twips.
    EXPECT_EQ(boxes(page).front().y, 1750 + 176.0);
    EXPECT_TRUE(captionOf(page).endsWith(QStringLiteral(", numbers both ways")));
}

INSTANTIATE_TEST_SUITE_P(Strips, OtherWay,
    ::testing::Values(OtherWayCase { "AzimuthUp", false, true, azimuthDown(), -25 },
        OtherWayCase { "AzimuthDown", false, false, azimuthUp(), -25 },
        OtherWayCase { "Ra", true, true, hourAngle(), -40 }),
    [](const ::testing::TestParamInfo<OtherWayCase>& row) { return std::string(row.param.name); });

TEST(OtherWay, OverTheFirstRowInTheBottomLayoutAndOnBlackInWhiteOnBlack)
{
    Rig rig;
    rig.model.setCheck(Check::BothWays, SettingsModel::kChecked);
    rig.model.setCheck(Check::WB, SettingsModel::kChecked);
    rig.model.setCheckTop(1, SettingsModel::kUnchecked);
    rig.model.setSlider(Slider::Font, 1, 5);
    const Page& page = rig.run();
    // 5 points less 2 would be 3: never below 4. The second row at the row top, the first under it.
    const auto second = rowAt(page, 750);
    ASSERT_EQ(second.size(), 37u);
    EXPECT_EQ(second[0].fontPoints, 4);
    EXPECT_EQ(rowAt(page, 750 + 88).size(), 37u);
    const auto longMarks = strokes(page, 250);
    EXPECT_EQ(longMarks.front().y, 750 + 88 + 110.0); // under both rows
    // The white-on-black strip's box holds both rows: 600 and the second row's 88.
    const auto black = boxes(page);
    EXPECT_EQ(black.front().y, 750 + 88 + 750.0);
    EXPECT_EQ(black.front().dy, 688);
    EXPECT_EQ(rowAt(page, black.front().y).front().colour, kWhite);
}

namespace {

struct VernierCase {
    const char* name;
    bool ra;
    bool fiveDegrees;
    double division;
    const char* reading;
    double numberPoints; ///< the strip's 10, or less where "5" and "10" would touch
    bool halfMarks = false;
};

class VernierRow : public ::testing::TestWithParam<VernierCase> { };

} // namespace

TEST_P(VernierRow, TenDivisionsOverNineOfTheStripsBelowCardsAndCaption)
{
    const VernierCase& c = GetParam();
    Rig rig(c.ra);
    if (c.fiveDegrees)
        rig.model.setOption(Option::FiveDeg, true);
    if (c.halfMarks)
        rig.model.setCheck(Check::HalfDeg, SettingsModel::kChecked);
    rig.model.setCheck(Check::Verniers, SettingsModel::kChecked);
    const Page& page = rig.run();
    // Strip at 750, cards at 1750, caption at 2000, the vernier's row at 2500.
    const auto marks
        = select(page, [](const PageOp& op) { return op.kind == PageOp::Kind::Stroke && op.y == 2500; });
    ASSERT_EQ(marks.size(), 11u);
    std::vector<double> xs;
    for (const PageOp& m : marks)
        xs.push_back(m.x);
    std::sort(xs.begin(), xs.end());
    for (std::size_t n = 0; n < xs.size(); ++n)
        EXPECT_NEAR(xs[n], 400 + n * c.division, 0.005) << n;
    EXPECT_EQ(marks.back().x, 400.0) << "the zero index is drawn last, over the others";
    EXPECT_EQ(marks.back().dy, 250) << "and longer than they are";
    EXPECT_EQ(marks.back().penDots, 3);
    const auto numbers = rowAt(page, 2750);
    ASSERT_EQ(numbers.size(), 4u);
    EXPECT_EQ(numbersOf(numbers),
        (QStringList {
            QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("10"), QString::fromUtf8(c.reading) }));
    EXPECT_EQ(numbers[1].fontPoints, c.numberPoints);
    EXPECT_EQ(numbers[1].x, std::nearbyint(400 + 5 * c.division - kCharWidth * c.numberPoints / 2) - 50);
    EXPECT_EQ(numbers[3].fontPoints, 10);
    EXPECT_TRUE(captionOf(page).endsWith(QStringLiteral(", vernier ") + QString::fromUtf8(c.reading)))
        << captionOf(page).toStdString();
    EXPECT_EQ(rig.position.printY, 2500 + 250 + 500);
}

INSTANTIATE_TEST_SUITE_P(Strips, VernierRow,
    ::testing::Values(VernierCase { "OneDegree", false, false, 0.9 * 29.673, "0.1\u00B0", 5 },
        VernierCase { "FiveDegrees", false, true, 0.9 * 148.365, "0.5\u00B0", 10 },
        VernierCase { "Ra", true, false, 0.9 * 74.1825, "1 min", 10 },
        VernierCase { "RaFiveMinuteMarks", true, false, 0.9 * 74.1825 / 2, "30 s", 7, true }),
    [](const ::testing::TestParamInfo<VernierCase>& row) { return std::string(row.param.name); });

TEST(VernierRow, EveryStyleHasItsVernierInItsInk)
{
    Rig rig;
    rig.model.setCheck(Check::Verniers, SettingsModel::kChecked);
    rig.model.setCheck(Check::WB, SettingsModel::kChecked);
    rig.model.setCheck(Check::BothWays, SettingsModel::kChecked);
    rig.model.setCheckTop(1, SettingsModel::kUnchecked);
    const Page& page = rig.run();
    const auto readings
        = select(page, [](const PageOp& op) { return op.text == QStringLiteral("0.1\u00B0"); });
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].colour, kBlack);
    EXPECT_EQ(readings[1].colour, kWhite);
    EXPECT_EQ(readings[1].y - readings[0].y, 750) << "bottom layout: one row step apart";
    const auto black = boxes(page);
    const PageOp& behind = black.back();
    EXPECT_EQ(behind.y, readings[1].y);
    EXPECT_LE(behind.x, 400 - 200);
    EXPECT_GE(behind.x + behind.dx, readings[1].x + 4 * kCharWidth * 10);
    EXPECT_TRUE(
        captionOf(page).endsWith(QStringLiteral("Font size = 10, vernier 0.1\u00B0, numbers both ways")));
}

TEST(ReadingAids, EveryRowOfThePageIsNotedForTheSheets)
{
    Rig rig(true);
    rig.model.setCheck(Check::Verniers, SettingsModel::kChecked);
    rig.model.setCheck(Check::WB, SettingsModel::kChecked);
    const Page& page = rig.run();
    struct Row {
        double top;
        int divisions; // 0: not a strip
    };
    const Row expected[] = { { 750, 24 }, { 1750, 24 }, { 2750, 0 }, { 3500, 10 }, { 4500, 10 } };
    ASSERT_EQ(page.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < page.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(page.rows[i].top, expected[i].top);
        EXPECT_EQ(page.rows[i].strip ? page.rows[i].strip->divisions : 0, expected[i].divisions);
        EXPECT_EQ(page.ops[page.rows[i].firstOp].y >= expected[i].top, true);
    }
    EXPECT_EQ(page.rows[0].strip->length, kSixtyMm);
    EXPECT_EQ(page.rows[0].strip->unit, QStringLiteral("h"));
    EXPECT_EQ(page.rows[3].strip->left, 400);
    EXPECT_NEAR(page.rows[3].strip->length, 10 * 0.9 * 74.1825, 1e-9);
    EXPECT_GT(page.rows[3].strip->tail, 0);
}

TEST(ReadingAids, CombineWithSplitStripsAndThePrintersCorrection)
{
    SettingsModel model;
    model.setText(SizeText::Azimuth, QStringLiteral("300")); // 942 mm on A4 portrait
    model.setOption(Option::Azmm, true);
    model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    model.setCheck(Check::Verniers, SettingsModel::kChecked);
    model.setCheck(Check::BothWays, SettingsModel::kChecked);
    model.setCheck(Check::ScaleCheck, SettingsModel::kChecked);
    ScriptedPrinter printer(QStringLiteral("Laser"));
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    host.setFactors({ 1.02, 0.99 });
    host.run(AzimuthPrintJob(model));
    ASSERT_EQ(model.status().text(), QString()) << model.status().text().toStdString();
    ASSERT_EQ(printer.documents().size(), 1u);
    const std::vector<Page>& sheets = printer.documents()[0];
    ASSERT_GE(sheets.size(), 2u);
    const Page& sheet = sheets[1]; // after the assembly map
    // Every segment carries both number rows; the second in its smaller size holds every number.
    std::set<QString> second;
    int segments = 0;
    for (const PageOp& op : texts(sheet)) {
        if (op.fontPoints == 8 && op.text.startsWith(QLatin1Char(' ')))
            second.insert(op.text.trimmed());
        segments += op.text.contains(QStringLiteral("\u00B0-"));
    }
    EXPECT_EQ(second.size(), 36u);
    EXPECT_EQ(segments, 6);
    EXPECT_EQ(
        select(sheet, [](const PageOp& op) { return op.text == QStringLiteral("0.1\u00B0"); }).size(), 1u);
    EXPECT_EQ(texts(sheets.back()).back().text, QStringLiteral("50 mm")) << "the scale check comes last";
    EXPECT_TRUE(captionOf(sheet).endsWith(
        QStringLiteral(", vernier 0.1\u00B0, numbers both ways, Printer scale = 1.02")))
        << captionOf(sheet).toStdString();
    const FontTextMetrics metrics;
    const InkExtents ink(metrics);
    for (const Page& page : sheets) {
        for (const PageOp& op : page.ops) {
            EXPECT_LE(ink.bottom(op) * 0.99, 16838 - 720);
            if (!op.text.contains(QStringLiteral(" Circle length = "))) {
                EXPECT_LE(ink.right(op) * 1.02, 11906 - 720) << op.text.toStdString();
            }
        }
    }
}

TEST(ReadingAidsPdf, VernierMarksReadBackAtNineTenthsOfTheSmallSpacing)
{
    for (const bool ra : { false, true }) {
        SCOPED_TRACE(ra);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        PdfFilePrinter printer;
        printer.setOutputFileName(dir.filePath(QStringLiteral("vernier.pdf")));
        SettingsModel model;
        model.setText(SizeText::Azimuth, QStringLiteral("60"));
        model.setOption(Option::Azmm, true);
        model.setOption(ra ? Option::Ra : Option::Az, true);
        model.setCheck(Check::Verniers, SettingsModel::kChecked);
        ScriptedJobHost host(model, 0);
        host.usePrinter(&printer);
        host.run(AzimuthPrintJob(model));
        ASSERT_EQ(model.status().text(), QString());

        const pdfreadback::PdfPage page
            = pdfreadback::readPdfPage(dir.filePath(QStringLiteral("vernier.pdf")));
        std::vector<double> xs;
        double zeroLength = 0;
        for (const auto& s : page.segments) {
            if (std::abs(s.y1 - 2500) < 0.01 && std::abs(s.x2 - s.x1) < 0.01) {
                xs.push_back(s.x1);
                if (std::abs(s.x1 - 400) < 0.01)
                    zeroLength = s.y2 - s.y1;
            }
        }
        std::sort(xs.begin(), xs.end());
        ASSERT_EQ(xs.size(), 11u);
        const double division = 0.9 * (ra ? 74.1825 : 29.673);
        EXPECT_NEAR(xs.front(), 400, 0.01);
        for (std::size_t n = 1; n < xs.size(); ++n)
            EXPECT_NEAR(xs[n] - xs[n - 1], division, 0.01);
        EXPECT_NEAR(zeroLength, 250, 0.01);
        bool reading = false;
        for (const auto& t : page.texts)
            reading = reading || t.text == (ra ? QStringLiteral("1 min") : QStringLiteral("0.1\u00B0"));
        EXPECT_TRUE(reading);
    }
}
