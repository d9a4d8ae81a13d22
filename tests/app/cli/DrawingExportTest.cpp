// Drawings for laser and vinyl cutters, written by the program's command line and read back as a
// cutter's software reads them: the SVG's XML, the SVG rendered by librsvg, the DXF read by ezdxf.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr double kStripMm = 942.0; // a 300 mm diameter: 300 x 3.14
constexpr double kTenDegreesMm = kStripMm / 36;
constexpr double kTolerance = 0.001; // mm

struct Outcome {
    int exitCode = -1;
    QString err;
};

Outcome vennaros(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VENNAROS_BINARY), arguments);
    Outcome run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

/// An axis-aligned rectangle of a drawing, in mm.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    double centre() const { return (left + right) / 2; }
};

/// Four corners, or nothing for any other outline.
std::optional<Rect> rectangle(const std::vector<std::pair<double, double>>& points)
{
    if (points.size() != 4)
        return std::nullopt;
    Rect r { points[0].first, points[0].second, points[0].first, points[0].second };
    for (const auto& [x, y] : points) {
        r.left = std::min(r.left, x);
        r.right = std::max(r.right, x);
        r.top = std::min(r.top, y);
        r.bottom = std::max(r.bottom, y);
    }
    for (const auto& [x, y] : points)
        if ((x != r.left && x != r.right) || (y != r.top && y != r.bottom))
            return std::nullopt;
    return r;
}

struct SvgDrawing {
    QString width;
    QString height;
    QString viewBox;
    QStringList layers; ///< inkscape:label of every layer group
    int texts = 0;
    int emptyPaths = 0;
    std::vector<Rect> engraveRects;
    std::vector<std::vector<std::pair<double, double>>> engraveQuads; ///< four corners, turned or not
    std::vector<Rect> cutRects;
    std::vector<std::pair<double, double>> circles; ///< cut circles: centre x, radius
    bool doubled = false;
};

SvgDrawing readSvg(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    SvgDrawing svg;
    QString layer;
    QSet<QString> seen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView name = xml.name();
        if (name == QLatin1String("svg")) {
            svg.width = a.value(QLatin1String("width")).toString();
            svg.height = a.value(QLatin1String("height")).toString();
            svg.viewBox = a.value(QLatin1String("viewBox")).toString();
        } else if (name == QLatin1String("g")
            && a.value(QLatin1String("inkscape:groupmode")) == QLatin1String("layer")) {
            layer = a.value(QLatin1String("inkscape:label")).toString();
            svg.layers << layer;
        } else if (name == QLatin1String("text")) {
            ++svg.texts;
        } else if (name == QLatin1String("circle")) {
            svg.circles.emplace_back(
                a.value(QLatin1String("cx")).toDouble(), a.value(QLatin1String("r")).toDouble());
        } else if (name == QLatin1String("path")) {
            const QString d = a.value(QLatin1String("d")).toString();
            svg.emptyPaths += d.isEmpty() ? 1 : 0;
            svg.doubled = svg.doubled || seen.contains(layer + d);
            seen.insert(layer + d);
            static const QRegularExpression plainPolygon(QStringLiteral("^M[-0-9. L]*Z$"));
            if (!plainPolygon.match(d).hasMatch())
                continue;
            const QStringList numbers
                = QString(d)
                      .remove(QLatin1Char('Z'))
                      .split(QRegularExpression(QStringLiteral("[ML ]+")), Qt::SkipEmptyParts);
            std::vector<std::pair<double, double>> points;
            for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
                points.emplace_back(numbers[i].toDouble(), numbers[i + 1].toDouble());
            if (layer == QLatin1String("engrave") && points.size() == 4)
                svg.engraveQuads.push_back(points);
            if (const auto r = rectangle(points))
                (layer == QLatin1String("cut") ? svg.cutRects : svg.engraveRects).push_back(*r);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

/// The tallest thin rectangles of the topmost strip: its ten-degree marks, left to right.
std::vector<Rect> tenDegreeMarks(const std::vector<Rect>& rects)
{
    std::vector<Rect> marks;
    std::copy_if(
        rects.begin(), rects.end(), std::back_inserter(marks), [](const Rect& r) { return r.width() < 1; });
    if (marks.empty())
        return marks;
    const double tallest = std::max_element(marks.begin(), marks.end(), [](const Rect& a, const Rect& b) {
        return a.height() < b.height();
    })->height();
    std::erase_if(marks, [&](const Rect& r) { return r.height() < tallest - kTolerance; });
    const double firstRow = std::min_element(marks.begin(), marks.end(), [](const Rect& a, const Rect& b) {
        return a.top < b.top;
    })->top;
    std::erase_if(marks, [&](const Rect& r) { return std::abs(r.top - firstRow) > kTolerance; });
    std::sort(marks.begin(), marks.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
    return marks;
}

void expectTenDegreeSpacing(const std::vector<Rect>& marks, double stripLeft)
{
    ASSERT_EQ(marks.size(), 37u); // 0 to 360
    EXPECT_NEAR(marks.front().centre(), stripLeft, kTolerance);
    for (std::size_t i = 1; i < marks.size(); ++i)
        EXPECT_NEAR(marks[i].centre() - marks[i - 1].centre(), kTenDegreesMm, kTolerance) << i;
}

class DrawingExport : public ::testing::Test {
protected:
    QString write(const char* name, QStringList arguments)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        const QString option
            = path.endsWith(QStringLiteral(".dxf")) ? QStringLiteral("--dxf") : QStringLiteral("--svg");
        const Outcome run = vennaros(QStringList { option, path } + arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }
    static QStringList azimuth300()
    {
        return { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth") };
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(DrawingExport, A942MillimetreStripInSvgIsTrueToSizeLayeredAndWithoutText)
{
    const SvgDrawing svg = readSvg(write("az.svg", azimuth300()));
    ASSERT_TRUE(svg.width.endsWith(QStringLiteral("mm")));
    const double width = svg.width.chopped(2).toDouble();
    const double height = svg.height.chopped(2).toDouble();
    EXPECT_GE(width, kStripMm);
    EXPECT_LT(width, kStripMm + 10); // the numbers past the ends, no page
    EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 %1 %2").arg(svg.width.chopped(2), svg.height.chopped(2)));
    EXPECT_GT(height, 5);
    EXPECT_EQ(svg.layers,
        (QStringList { QStringLiteral("engrave"), QStringLiteral("notes"), QStringLiteral("cut") }));
    EXPECT_EQ(svg.texts, 0);
    EXPECT_EQ(svg.emptyPaths, 0);
    EXPECT_FALSE(svg.doubled);
    ASSERT_EQ(svg.cutRects.size(), 1u);
    const Rect outline = svg.cutRects.front();
    EXPECT_NEAR(outline.width(), kStripMm, kTolerance);
    expectTenDegreeSpacing(tenDegreeMarks(svg.engraveRects), outline.left);
}

TEST_F(DrawingExport, RsvgRendersTheMarksWhereTheSvgPutsThem)
{
    const QString svgPath = write("az.svg", azimuth300());
    const SvgDrawing svg = readSvg(svgPath);
    const std::vector<Rect> marks = tenDegreeMarks(svg.engraveRects);
    ASSERT_EQ(marks.size(), 37u);
    const QString png = m_dir.filePath(QStringLiteral("az.png"));
    QProcess rsvg;
    rsvg.start(QStringLiteral("rsvg-convert"),
        { QStringLiteral("--dpi-x"), QStringLiteral("600"), QStringLiteral("--dpi-y"), QStringLiteral("600"),
            QStringLiteral("--background-color"), QStringLiteral("white"), QStringLiteral("-o"), png,
            svgPath });
    ASSERT_TRUE(rsvg.waitForFinished(120000));
    ASSERT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    const double pixelsPerMm = 600 / 25.4;
    EXPECT_NEAR(image.width(), svg.width.chopped(2).toDouble() * pixelsPerMm, 1.0);

    // Across the marks half way down their length, the dark runs are the marks.
    const int row = static_cast<int>((marks.front().top + marks.front().height() / 2) * pixelsPerMm);
    std::vector<std::pair<double, double>> runs; // centre and width in pixels
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool dark = x < image.width() && qGray(image.pixel(x, row)) < 128;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            runs.emplace_back((start + x) / 2.0, x - start);
            start = -1;
        }
    }
    for (const Rect& mark : marks) {
        const double expected = mark.centre() * pixelsPerMm;
        const auto nearest = std::min_element(runs.begin(), runs.end(), [&](const auto& a, const auto& b) {
            return std::abs(a.first - expected) < std::abs(b.first - expected);
        });
        ASSERT_NE(nearest, runs.end());
        EXPECT_NEAR(nearest->first, expected, 1.0) << mark.centre();
        EXPECT_NEAR(nearest->second, mark.width() * pixelsPerMm, 1.5) << mark.centre();
    }
}

TEST_F(DrawingExport, EzdxfReadsTheDxfInMillimetresWithItsLayersAndMarks)
{
    const QString path = write("az.dxf", azimuth300());
    // ezdxf's audit, and the closed four-corner outlines of each layer.
    const char* script = R"(
import ezdxf, json, sys
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
rects = {}
for e in doc.modelspace().query('LWPOLYLINE'):
    points = list(e.get_points('xy'))
    if not e.closed or len(points) != 4:
        continue
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    rects.setdefault(e.dxf.layer, []).append([min(xs), -max(ys), max(xs), -min(ys)])
print(json.dumps({'errors': len(auditor.errors), 'units': doc.header.get('$INSUNITS', 0),
    'layers': sorted(l.dxf.name for l in doc.layers), 'rects': rects}))
)";
    QProcess python;
    python.start(QStringLiteral(VENNAROS_PYTHON3), { QStringLiteral("-c"), QLatin1String(script), path });
    ASSERT_TRUE(python.waitForFinished(120000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    EXPECT_EQ(read.value(QLatin1String("errors")).toInt(-1), 0);
    EXPECT_EQ(read.value(QLatin1String("units")).toInt(), 4);
    const QStringList layers = read.value(QLatin1String("layers")).toVariant().toStringList();
    for (const char* layer : { "ENGRAVE", "CUT", "NOTES" })
        EXPECT_TRUE(layers.contains(QLatin1String(layer))) << layer;
    const auto rects = [&](const char* layer) {
        std::vector<Rect> out;
        for (const QJsonValue& value :
            read.value(QLatin1String("rects")).toObject().value(QLatin1String(layer)).toArray()) {
            const QJsonArray r = value.toArray();
            out.push_back({ r[0].toDouble(), r[1].toDouble(), r[2].toDouble(), r[3].toDouble() });
        }
        return out;
    };
    const std::vector<Rect> cut = rects("CUT");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_NEAR(cut.front().width(), kStripMm, kTolerance);
    expectTenDegreeSpacing(tenDegreeMarks(rects("ENGRAVE")), cut.front().left);
}

namespace {

struct CommandRow {
    const char* name;
    QStringList arguments; ///< after the option and file
    int exitCode;
    const char* message; ///< a line on standard error
};

class DrawingCommand : public ::testing::TestWithParam<CommandRow> { };

} // namespace

TEST_P(DrawingCommand, RefusesWithoutTouchingTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.svg"));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    const Outcome run = vennaros(QStringList { QStringLiteral("--svg"), path } + GetParam().arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_TRUE(run.err.split(QLatin1Char('\n')).contains(QString::fromUtf8(GetParam().message)))
        << run.err.toStdString();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
}

INSTANTIATE_TEST_SUITE_P(Lines, DrawingCommand,
    ::testing::Values(CommandRow { "TwoFiles",
                          { QStringLiteral("--dxf"), QStringLiteral("x.dxf"), QStringLiteral("--azimuth") },
                          2, "vennaros: --print-pdf, --svg and --dxf: give one of them." },
        CommandRow { "Paper",
            { QStringLiteral("--paper"), QStringLiteral("A4"), QStringLiteral("--altitude") }, 2,
            "vennaros: --paper and --landscape go with --print-pdf: a drawing has no paper." },
        CommandRow { "BelowTheMinimum",
            { QStringLiteral("--size"), QStringLiteral("50mm"), QStringLiteral("--azimuth") }, 1,
            "Azimuth size must be at least 60 mm" },
        // What only a page has would be left out of the drawing without a word.
        CommandRow { "Split", { QStringLiteral("--split"), QStringLiteral("--azimuth") }, 2,
            "vennaros: --split goes with --print-pdf: a drawing is never split." },
        CommandRow { "ScaleCheck", { QStringLiteral("--altitude"), QStringLiteral("--scale-check") }, 2,
            "vennaros: --scale-check goes with --print-pdf: a drawing has no scale check bars." },
        CommandRow { "ClosingTab", { QStringLiteral("--closing-tab"), QStringLiteral("--azimuth") }, 2,
            "vennaros: --closing-tab goes with --print-pdf: a drawing has no closing tab." },
        // A drawing has no page: its limit is its own.
        CommandRow { "LongerThanADrawingTakes",
            { QStringLiteral("--size"), QStringLiteral("99999999mm"), QStringLiteral("--length"),
                QStringLiteral("--azimuth") },
            1, "Azimuth max. length is 9468621.0 mm for a drawing." },
        CommandRow { "RingLargerThanADrawingTakes",
            { QStringLiteral("--size"), QStringLiteral("99999999mm"), QStringLiteral("--ring"),
                QStringLiteral("--altitude") },
            1, "Altitude max. ring diameter is 9468622.7 mm for a drawing." }),
    [](const ::testing::TestParamInfo<CommandRow>& row) { return std::string(row.param.name); });

TEST_F(DrawingExport, A300MillimetreRingIsCutOnItsTwoCirclesWithItsMarksOnRadiiOneDegreeApart)
{
    const SvgDrawing svg = readSvg(write("ring.svg", azimuth300() << QStringLiteral("--ring")));
    EXPECT_EQ(svg.width, QStringLiteral("300mm"));
    EXPECT_TRUE(svg.cutRects.empty());
    ASSERT_EQ(svg.circles.size(), 2u);
    const double outer = std::max(svg.circles[0].second, svg.circles[1].second);
    const double inner = std::min(svg.circles[0].second, svg.circles[1].second);
    EXPECT_NEAR(outer, 150.0, kTolerance);
    EXPECT_GT(inner, 130.0);
    EXPECT_NEAR(svg.circles[0].first, 150.0, kTolerance); // one centre, the drawing's middle

    // Every mark is a pen's rectangle along a radius, between the two circles, a degree from the next.
    std::vector<double> angles;
    for (const auto& quad : svg.engraveQuads) {
        double x = 0;
        double y = 0;
        for (const auto& [px, py] : quad) {
            x += px / 4;
            y += py / 4;
        }
        const double radius = std::hypot(x - 150, y - 150);
        if (radius < 10)
            continue; // the centre's cross
        for (const auto& [px, py] : quad) {
            EXPECT_LE(std::hypot(px - 150, py - 150), outer + kTolerance);
            EXPECT_GE(std::hypot(px - 150, py - 150), inner - kTolerance);
        }
        const double along = std::atan2(quad[1].second - quad[0].second, quad[1].first - quad[0].first);
        const double outward = std::atan2(y - 150, x - 150);
        EXPECT_NEAR(std::abs(std::sin(along - outward)), 0, 1e-4) << x << ' ' << y;
        angles.push_back(std::fmod(std::atan2(x - 150, 150 - y) * 180 / M_PI + 360, 360));
    }
    std::sort(angles.begin(), angles.end());
    ASSERT_EQ(angles.size(), 360u);
    for (std::size_t i = 0; i < angles.size(); ++i)
        EXPECT_NEAR(angles[i], static_cast<double>(i), 1e-3);
}

TEST_F(DrawingExport, NoStripIsTooLongForADrawing)
{
    // Far longer than any paper, whole, with its verniers and numbers both ways.
    const SvgDrawing svg = readSvg(write("long.svg",
        { QStringLiteral("--size"), QStringLiteral("5000mm"), QStringLiteral("--length"),
            QStringLiteral("--verniers"), QStringLiteral("--both-ways"), QStringLiteral("--azimuth") }));
    ASSERT_GE(svg.cutRects.size(), 2u); // the strip and its vernier
    EXPECT_NEAR(svg.cutRects.front().width(), 5000.0, kTolerance);
    EXPECT_EQ(svg.texts, 0);
}

// "-" is standard output: the same bytes as the file.
TEST_F(DrawingExport, ADashWritesTheDrawingToStandardOutput)
{
    for (const char* name : { "az.svg", "az.dxf" }) {
        SCOPED_TRACE(name);
        QFile file(write(name, azimuth300()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QProcess process;
        process.start(QStringLiteral(VENNAROS_BINARY),
            QStringList { QString::fromLatin1(name).endsWith(QLatin1String(".dxf")) ? QStringLiteral("--dxf")
                                                                                    : QStringLiteral("--svg"),
                QStringLiteral("-") }
                + azimuth300());
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardOutput(), file.readAll());
    }
}

namespace {

/// An arc exported: its cut layer's lines, read back from the file, and the ten-degree marks.
struct ArcDrawingRow {
    const char* name;
    QStringList arguments;
    double cutWidthMm; ///< the arc and half a long division beyond each end mark
    double cutHeightMm;
    std::size_t longMarks;
};

class ArcDrawing : public ::testing::TestWithParam<ArcDrawingRow> { };

/// The straight lines of the SVG's cut layer, as "M x y L x y" paths.
std::vector<std::array<double, 4>> cutLines(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString layer;
    std::vector<std::array<double, 4>> lines;
    static const QRegularExpression line(QStringLiteral("^M([-0-9.]+) ([-0-9.]+)L([-0-9.]+) ([-0-9.]+)$"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("g"))
            layer = a.value(QLatin1String("inkscape:label")).toString();
        const auto match = line.match(a.value(QLatin1String("d")).toString());
        if (xml.name() == QLatin1String("path") && layer == QLatin1String("cut")) {
            EXPECT_TRUE(match.hasMatch()) << a.value(QLatin1String("d")).toString().toStdString();
            lines.push_back({ match.captured(1).toDouble(), match.captured(2).toDouble(),
                match.captured(3).toDouble(), match.captured(4).toDouble() });
        }
    }
    return lines;
}

} // namespace

TEST_P(ArcDrawing, CutsTheArcOnItsOutlineWithItsMarksInside)
{
    const ArcDrawingRow& row = GetParam();
    QTemporaryDir dir;
    const QString svgPath = dir.filePath(QStringLiteral("arc.svg"));
    const Outcome run = vennaros(QStringList { QStringLiteral("--svg"), svgPath } + row.arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<std::array<double, 4>> lines = cutLines(svgPath);
    ASSERT_EQ(lines.size(), 4u) << "its two edges and a cut line across each end";
    double left = 1e9;
    double right = -1e9;
    double top = 1e9;
    double bottom = -1e9;
    for (const auto& l : lines) {
        left = std::min({ left, l[0], l[2] });
        right = std::max({ right, l[0], l[2] });
        top = std::min({ top, l[1], l[3] });
        bottom = std::max({ bottom, l[1], l[3] });
    }
    EXPECT_NEAR(right - left, row.cutWidthMm, 0.01);
    EXPECT_NEAR(bottom - top, row.cutHeightMm, 0.01);
    const std::vector<Rect> marks = tenDegreeMarks(readSvg(svgPath).engraveRects);
    ASSERT_EQ(marks.size(), row.longMarks);
    // Half a long division of blank strip beyond each end mark.
    const double half = (marks[1].centre() - marks[0].centre()) / 2;
    EXPECT_NEAR(marks.front().centre() - left, half, 0.01);
    EXPECT_NEAR(right - marks.back().centre(), half, 0.01);

    // The DXF's CUT layer holds the same four lines.
    const QString dxfPath = dir.filePath(QStringLiteral("arc.dxf"));
    ASSERT_EQ(vennaros(QStringList { QStringLiteral("--dxf"), dxfPath } + row.arguments).exitCode, 0);
    QFile dxf(dxfPath);
    ASSERT_TRUE(dxf.open(QIODevice::ReadOnly));
    const QStringList codes = QString::fromLatin1(dxf.readAll()).split(QLatin1Char('\n'));
    int cutEntities = 0;
    bool entities = false;
    for (qsizetype i = 0; i + 1 < codes.size(); i += 2) {
        const QString code = codes[i].trimmed();
        const QString value = codes[i + 1].trimmed();
        entities = entities || (code == QLatin1String("2") && value == QLatin1String("ENTITIES"));
        if (entities && code == QLatin1String("8") && value == QLatin1String("CUT"))
            ++cutEntities;
    }
    EXPECT_EQ(cutEntities, 4);
}

INSTANTIATE_TEST_SUITE_P(Arcs, ArcDrawing,
    ::testing::Values(ArcDrawingRow { "AltitudeQuarter",
                          { QStringLiteral("--size"), QStringLiteral("250mm"), QStringLiteral("--altitude"),
                              QStringLiteral("--arc"), QStringLiteral("0:90") },
                          785.0 / 4 + 785.0 / 36, 8.3501, 10 },
        ArcDrawingRow { "AzimuthThroughZero",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth"),
                QStringLiteral("--arc"), QStringLiteral("350:10") },
            942.0 / 18 + 942.0 / 36, 8.3501, 3 }),
    [](const ::testing::TestParamInfo<ArcDrawingRow>& row) { return std::string(row.param.name); });
