// Pages printed by the jobs to a real PDF file and read back: marks, boxes and texts at their places.
#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/page/PageUnits.h"
#include "print/printers/PdfFilePrinter.h"
#include "settings/SettingsModel.h"
#include "support/PdfReadback.h"

#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The read-back gives positions within float noise; half a twip still catches any misplaced mark.
constexpr double kTolerance = 0.5;
constexpr double kSixtyMm = 60 * 3.14 * 56.7;

enum class Job { Altitude, Azimuth };

/// Straight lines of this extent (across and down, either way, twips) that begin above `above`.
struct Lines {
    double across;
    double down;
    double above;
    std::size_t count;
};

/// The page, and the lines the first Lines of its case finds.
struct Readback {
    pdfreadback::PdfPage page;
    std::vector<pdfreadback::Segment> marks;
};

/// The index-th item, from the end where negative.
template <typename T> const T& at(const std::vector<T>& items, int index)
{
    return items.at(index < 0 ? items.size() + index : static_cast<std::size_t>(index));
}

using Reader = double (*)(const Readback&, int index);
const Reader markX1 = [](const Readback& r, int i) { return at(r.marks, i).x1; };
const Reader markY1 = [](const Readback& r, int i) { return at(r.marks, i).y1; };
const Reader markY2 = [](const Readback& r, int i) { return at(r.marks, i).y2; };
const Reader markPen = [](const Readback& r, int i) { return at(r.marks, i).width; };
const Reader markStep = [](const Readback& r, int i) { return at(r.marks, i).x1 - at(r.marks, i - 1).x1; };
const Reader textLeft = [](const Readback& r, int i) { return at(r.page.texts, i).left; };
const Reader textTop = [](const Readback& r, int i) { return at(r.page.texts, i).top; };
const Reader textColour = [](const Readback& r, int i) { return double(at(r.page.texts, i).colour); };
const Reader boxLeft = [](const Readback& r, int i) { return at(r.page.boxes, i).left; };
const Reader boxTop = [](const Readback& r, int i) { return at(r.page.boxes, i).top; };
const Reader boxRight = [](const Readback& r, int i) { return at(r.page.boxes, i).right; };
const Reader boxBottom = [](const Readback& r, int i) { return at(r.page.boxes, i).bottom; };
const Reader boxFill = [](const Readback& r, int i) { return double(at(r.page.boxes, i).fillColour); };

/// A number read back at the index-th item.
struct Place {
    Reader read;
    int index;
    double value;
    double tolerance = kTolerance;
};

/// The index-th text says this, or begins with it.
struct Says {
    int index;
    QString text;
    bool whole = true;
};

struct PdfCase {
    const char* name;
    Job job;
    std::function<void(SettingsModel&)> settings;
    bool landscape;
    std::vector<Lines> lines;
    std::vector<Place> places;
    std::vector<Says> says;
    std::size_t boxes = 0; ///< 0: not counted
};

void PrintTo(const PdfCase& c, std::ostream* os)
{
    *os << c.name;
}

pdfreadback::PdfPage printed(const PdfCase& c, const QString& file)
{
    PdfFilePrinter printer;
    printer.setOutputFileName(file);
    if (c.landscape)
        printer.setOrientation(PageOrientation::Landscape);
    SettingsModel model;
    c.settings(model);
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    if (c.job == Job::Altitude)
        host.run(AltitudePrintJob(model));
    else
        host.run(AzimuthPrintJob(model));
    EXPECT_EQ(model.status().text(), QString());
    return pdfreadback::readPdfPage(file);
}

std::vector<pdfreadback::Segment> linesOf(const pdfreadback::PdfPage& page, const Lines& lines)
{
    std::vector<pdfreadback::Segment> found;
    for (const auto& s : page.segments) {
        if (s.y1 < lines.above && std::abs(std::abs(s.x2 - s.x1) - lines.across) < kTolerance
            && std::abs(std::abs(s.y2 - s.y1) - lines.down) < kTolerance)
            found.push_back(s);
    }
    return found;
}

/// An altitude page of this diameter in millimetres, with this box checked.
std::function<void(SettingsModel&)> altitudeMm(const QString& size, Check check)
{
    return [size, check](SettingsModel& m) {
        m.setText(SizeText::Altitude, size);
        m.setOption(Option::Altmm, true);
        m.setCheck(check, SettingsModel::kChecked);
    };
}

/// A 60 mm azimuth or RA page, black on white in the bottom layout.
std::function<void(SettingsModel&)> sixtyMmAtTheBottom(Option kind)
{
    return [kind](SettingsModel& m) {
        m.setText(SizeText::Azimuth, QStringLiteral("60"));
        m.setOption(Option::Azmm, true);
        m.setOption(kind, true);
        m.setCheckTop(1, SettingsModel::kUnchecked);
    };
}

class PrintedPdf : public ::testing::TestWithParam<PdfCase> { };

TEST_P(PrintedPdf, ReadsBackAtItsPlaces)
{
    const PdfCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Readback r;
    r.page = printed(c, dir.filePath(QStringLiteral("page.pdf")));
    const pdfreadback::PdfPage& page = r.page;
    EXPECT_EQ(page.pageCount, 1);
    if (c.boxes > 0) {
        ASSERT_EQ(page.boxes.size(), c.boxes);
    }
    for (const Lines& lines : c.lines)
        EXPECT_EQ(linesOf(page, lines).size(), lines.count) << lines.across << " by " << lines.down;
    r.marks = linesOf(page, c.lines.front());
    for (std::size_t i = 0; i < c.places.size(); ++i) {
        const Place& p = c.places[i];
        EXPECT_NEAR(p.read(r, p.index), p.value, p.tolerance) << "place " << i << " of the table";
    }
    for (const Says& s : c.says) {
        const QString text = at(page.texts, s.index).text;
        EXPECT_TRUE(s.whole ? text == s.text : text.startsWith(s.text))
            << s.index << ": " << text.toStdString();
    }
}

const PdfCase kCases[] = {
    // Set 1: widths 2-3-3, CircleWidth 100, 10 pt, scale on top; landscape. The ten-degree marks of the
    // black-on-white strip; the numbers' left edges are the blank before the digits (the real font);
    // the white-on-black strip's numbers from text 38; the caption clear of the second card.
    { "Altitude", Job::Altitude, altitudeMm(QStringLiteral("80"), Check::WB), true, { { 0, 250, 1000, 37 } },
        { { markX1, 0, 100 }, { markX1, -1, 100 + 14243.04 }, { markY1, 0, 750 },
            { markPen, 0, 3 * kTwipsPerDot, 0.05 }, { boxLeft, 0, 100 }, { boxTop, 0, 1750 },
            { boxRight, 0, 14343.04 }, { boxBottom, 0, 2350 }, { boxFill, 0, 0 }, { boxLeft, 2, 2000 },
            { boxFill, 2, 0xFFFFFF }, { textLeft, 1, 64 }, { textTop, 1, 1000 }, { textLeft, 19, 7060 },
            { textLeft, 37, 14207 }, { textColour, 38, 0xFFFFFF }, { textTop, 38, 2000 },
            { textLeft, -1, 2700 }, { textTop, -1, 3000 } },
        { { 1, QStringLiteral(" 0 ") }, { 19, QStringLiteral(" 90 ") }, { 37, QStringLiteral(" 9 ") },
            { -1, QStringLiteral("Altitude Circle length = 251.2 mm, Smallest mark = 1\u00B0"), false } },
        3 },
    // Numbers at the row top, marks ending on row top + text height (223) + 250.
    { "Azimuth", Job::Azimuth, sixtyMmAtTheBottom(Option::Az), false, { { 0, 250, 1500, 37 } },
        { { markY2, 0, 750 + 223 + 250 }, { markX1, -1, 100 + kSixtyMm }, { textLeft, 2, 236 },
            { textTop, 2, 750 }, { textLeft, 37, 10646 }, { textLeft, 38, 1120 }, { textTop, 38, 1500 } },
        { { 2, QStringLiteral(" 10 ") }, { 37, QStringLiteral(" 0 ") }, { 38, QStringLiteral("Az") } } },
    { "Ra", Job::Azimuth, sixtyMmAtTheBottom(Option::Ra), false, { { 0, 250, 1500, 25 } },
        { { markStep, 1, 445.095 }, { markX1, -1, 100 + kSixtyMm }, { textLeft, 25, 10631 },
            { textTop, 27, 1750 } },
        { { 25, QStringLiteral(" 0 ") }, { 26, QStringLiteral("RA") },
            { 27, QStringLiteral("RA Circle length = 188.4 mm, Line (10min"), false } } },
    // The scale check's bars at their nominal lengths: 100 mm across, 50 mm down.
    { "ScaleCheck", Job::Altitude, altitudeMm(QStringLiteral("60"), Check::ScaleCheck), false,
        { { 5670, 0, 1e9, 1 }, { 0, 2835, 1e9, 1 } }, {}, {} },
};

INSTANTIATE_TEST_SUITE_P(Jobs, PrintedPdf, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<PdfCase>& row) { return std::string(row.param.name); });

} // namespace
