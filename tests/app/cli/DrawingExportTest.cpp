// Drawings for laser and vinyl cutters, written by the program's command line and read back as a
// cutter's software reads them: the SVG's XML, the SVG rendered by librsvg, the DXF read by ezdxf.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainterPath>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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

Outcome vennaros(const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
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
    int circleElements = 0;
    int unstyled = 0; ///< elements that leave their look to the layer
    int filledScore = 0; ///< score paths with a fill
    std::vector<QRectF> engraveTexts; ///< the filled glyphs' boxes: engraved outlines not four-cornered
    std::vector<QPolygonF> scoreLines; ///< open polylines of the score layer
    std::vector<double> scoreWidths;
};

/// An SVG path of moves, lines, cubics and closes as Qt draws it, for its exact box.
QPainterPath svgPath(const QString& d)
{
    static const QRegularExpression token(QStringLiteral("[MLCZ]|-?[0-9.]+"));
    QPainterPath path;
    QChar command;
    std::vector<double> numbers;
    const auto flush = [&] {
        if (command == QLatin1Char('M') && numbers.size() >= 2)
            path.moveTo(numbers[0], numbers[1]);
        for (std::size_t i = 0; command == QLatin1Char('L') && i + 1 < numbers.size(); i += 2)
            path.lineTo(numbers[i], numbers[i + 1]);
        for (std::size_t i = 0; command == QLatin1Char('C') && i + 5 < numbers.size(); i += 6)
            path.cubicTo(
                numbers[i], numbers[i + 1], numbers[i + 2], numbers[i + 3], numbers[i + 4], numbers[i + 5]);
        if (command == QLatin1Char('Z'))
            path.closeSubpath();
        numbers.clear();
    };
    for (auto match = token.globalMatch(d); match.hasNext();) {
        const QString t = match.next().captured();
        if (t.front().isLetter()) {
            flush();
            command = t.front();
        } else {
            numbers.push_back(t.toDouble());
        }
    }
    flush();
    return path;
}

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
            ++svg.circleElements; // Inkscape's R12 DXF export drops them
        } else if (name == QLatin1String("path")) {
            const QString d = a.value(QLatin1String("d")).toString();
            const QString style = a.value(QLatin1String("style")).toString();
            svg.unstyled += style.isEmpty() ? 1 : 0;
            // A whole circle as two half arcs, from its leftmost point.
            static const QRegularExpression circle(QStringLiteral("^M(-?[0-9.]+) [-0-9.]+A([0-9.]+) "));
            if (const auto m = circle.match(d); m.hasMatch() && d.count(QLatin1Char('A')) == 2) {
                svg.circles.emplace_back(
                    m.captured(1).toDouble() + m.captured(2).toDouble(), m.captured(2).toDouble());
                continue;
            }
            if (layer == QLatin1String("score")) {
                svg.filledScore += style.contains(QLatin1String("fill:none")) ? 0 : 1;
                const QPainterPath line = svgPath(d);
                svg.scoreLines.push_back(line.toSubpathPolygons().value(0));
                static const QRegularExpression width(QStringLiteral("stroke-width:([0-9.]+)"));
                svg.scoreWidths.push_back(width.match(style).captured(1).toDouble());
                continue;
            }
            svg.emptyPaths += d.isEmpty() ? 1 : 0;
            svg.doubled = svg.doubled || seen.contains(layer + d);
            seen.insert(layer + d);
            static const QRegularExpression plainPolygon(QStringLiteral("^M[-0-9. L]*Z$"));
            if (!plainPolygon.match(d).hasMatch()) {
                if (layer == QLatin1String("engrave"))
                    svg.engraveTexts.push_back(svgPath(d).boundingRect());
                continue;
            }
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
    EXPECT_EQ(svg.circleElements, 0);
    EXPECT_EQ(svg.unstyled, 0);
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

QStringList strokes(QStringList arguments)
{
    return arguments << QStringLiteral("--strokes");
}

/// A script's JSON, printed on its standard output.
QJsonObject python(const char* script, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VENNAROS_PYTHON3),
        QStringList { QStringLiteral("-c"), QLatin1String(script) } + arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        ADD_FAILURE() << process.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QRectF boxOf(const Rect& r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

/// A strip's marks hang from its top edge: upright lines starting there.
bool isMark(const QPolygonF& line, const QRectF& outline)
{
    return line.size() == 2 && std::abs(line[0].x() - line[1].x()) < 1e-9
        && std::abs(std::min(line[0].y(), line[1].y()) - outline.top()) < kTolerance;
}

} // namespace

TEST_F(DrawingExport, SingleStrokesDrawEachMarkAlongItsCentreAndEachNumberWhereItsGlyphsStand)
{
    const SvgDrawing filled = readSvg(write("filled.svg", azimuth300()));
    const SvgDrawing lines = readSvg(write("strokes.svg", strokes(azimuth300())));
    EXPECT_EQ(lines.layers, (QStringList { QStringLiteral("score"), QStringLiteral("cut") }));
    EXPECT_EQ(lines.filledScore, 0);
    EXPECT_EQ(lines.unstyled, 0);
    EXPECT_EQ(lines.texts, 0);
    EXPECT_FALSE(lines.doubled);
    ASSERT_EQ(filled.cutRects.size(), 1u);
    ASSERT_EQ(lines.cutRects.size(), 1u);
    // Both measured from their strip's outline, which is the same.
    const QRectF filledOutline = boxOf(filled.cutRects.front());
    const QRectF outline = boxOf(lines.cutRects.front());
    EXPECT_NEAR(outline.width(), filledOutline.width(), kTolerance);
    EXPECT_NEAR(outline.height(), filledOutline.height(), 0.05); // round digits overshoot a little

    std::vector<Rect> marks;
    for (const Rect& r : filled.engraveRects)
        if (r.width() < 1 && std::abs(r.top - filledOutline.top()) < kTolerance)
            marks.push_back(r);
    std::vector<std::pair<QPolygonF, double>> scored;
    for (std::size_t i = 0; i < lines.scoreLines.size(); ++i)
        if (isMark(lines.scoreLines[i], outline))
            scored.emplace_back(lines.scoreLines[i], lines.scoreWidths[i]);
    ASSERT_EQ(marks.size(), 361u); // 0 to 360 by one degree
    ASSERT_EQ(scored.size(), marks.size());
    std::sort(marks.begin(), marks.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
    std::sort(scored.begin(), scored.end(),
        [](const auto& a, const auto& b) { return a.first[0].x() < b.first[0].x(); });
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QRectF line = scored[i].first.boundingRect();
        EXPECT_NEAR(line.left() - outline.left(), marks[i].centre() - filledOutline.left(), 0.01) << i;
        EXPECT_NEAR(line.height(), marks[i].height(), 0.01) << i;
        EXPECT_NEAR(scored[i].second, marks[i].width(), 0.001) << i;
    }

    // Each number: the polylines within its filled glyphs' box, as high and centred alike.
    int numbers = 0;
    for (const QRectF& glyphs : filled.engraveTexts) {
        if (!filledOutline.contains(glyphs.center()))
            continue; // the caption and the card
        ++numbers;
        const QRectF within
            = glyphs.translated(outline.topLeft() - filledOutline.topLeft()).adjusted(-0.3, -0.3, 0.3, 0.3);
        QRectF drawn;
        for (const QPolygonF& line : lines.scoreLines)
            if (!isMark(line, outline) && within.contains(line.boundingRect().center()))
                drawn = drawn.united(line.boundingRect());
        const QPointF offset = drawn.center() - within.center();
        EXPECT_LT(std::hypot(offset.x(), offset.y()), 0.2) << glyphs.left();
        EXPECT_NEAR(drawn.height(), glyphs.height(), 0.1) << glyphs.left();
    }
    EXPECT_EQ(numbers, 37); // 0 to 360 by ten
}

TEST_F(DrawingExport, ASingleStrokeRingHasItsMarksOnRadiiBetweenItsCircles)
{
    const SvgDrawing svg = readSvg(write("ring.svg", strokes(azimuth300() << QStringLiteral("--ring"))));
    ASSERT_EQ(svg.circles.size(), 2u);
    const double outer = std::max(svg.circles[0].second, svg.circles[1].second);
    const double inner = std::min(svg.circles[0].second, svg.circles[1].second);
    EXPECT_NEAR(outer, 150.0, kTolerance);
    const QPointF centre(150, 150);
    const auto radius = [&](const QPointF& p) { return std::hypot(p.x() - centre.x(), p.y() - centre.y()); };
    // Below the ring: the caption, the cards and the verniers.
    std::vector<QPolygonF> ring;
    std::copy_if(svg.scoreLines.begin(), svg.scoreLines.end(), std::back_inserter(ring),
        [&](const QPolygonF& line) { return line.boundingRect().bottom() <= 2 * outer; });
    double outermost = 0;
    for (const QPolygonF& line : ring)
        for (const QPointF& point : line)
            outermost = std::max(outermost, radius(point));
    EXPECT_LE(outermost, outer + kTolerance);

    std::vector<double> angles;
    for (const QPolygonF& line : ring) {
        if (radius(line.boundingRect().center()) < 10)
            continue; // the centre's cross
        for (const QPointF& point : line) {
            EXPECT_LE(radius(point), outer + kTolerance);
            EXPECT_GE(radius(point), inner - kTolerance);
        }
        // Marks reach the outermost radius; the numbers' strokes stay inside it.
        const QPointF far = radius(line.front()) > radius(line.back()) ? line.front() : line.back();
        if (line.size() != 2 || std::abs(radius(far) - outermost) > kTolerance)
            continue;
        const QPointF near = line.front() == far ? line.back() : line.front();
        const double along = std::atan2(far.y() - near.y(), far.x() - near.x()) * 180 / M_PI;
        const double outward = std::atan2(far.y() - centre.y(), far.x() - centre.x()) * 180 / M_PI;
        EXPECT_NEAR(std::remainder(along - outward, 360.0), 0, 0.01) << far.x() << ' ' << far.y();
        angles.push_back(std::fmod(std::atan2(far.x() - 150, 150 - far.y()) * 180 / M_PI + 360, 360));
    }
    std::sort(angles.begin(), angles.end());
    ASSERT_EQ(angles.size(), 360u);
    for (std::size_t i = 0; i < angles.size(); ++i)
        EXPECT_NEAR(angles[i], static_cast<double>(i), 0.01);
}

namespace {

struct DxfRow {
    const char* name;
    QStringList arguments;
    bool strokes;
    int marks; ///< upright LINEs hanging from the drawing's top on SCORE; 0 for none looked for
};

class DxfDrawing : public ::testing::TestWithParam<DxfRow> { };

} // namespace

// A CAD program opens the drawing on its extents and prints it on limits that hold it; ezdxf finds
// it sound and in millimetres.
TEST_P(DxfDrawing, NamesItsExtentsAndLimitsAndKeepsItsLayers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drawing.dxf"));
    const QString svgPath = dir.filePath(QStringLiteral("drawing.svg"));
    for (const QString& file : { path, svgPath }) {
        const Outcome run
            = vennaros(QStringList { file == path ? QStringLiteral("--dxf") : QStringLiteral("--svg"), file }
                + GetParam().arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    const SvgDrawing svg = readSvg(svgPath);
    const char* script = R"(
import ezdxf, json, sys
from ezdxf import bbox
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
msp = doc.modelspace()
box = bbox.extents(msp)
h = doc.header
top = h['$EXTMAX'][1]
marks = 0
for e in msp.query('LINE[layer=="SCORE"]'):
    s, t = e.dxf.start, e.dxf.end
    if abs(s.x - t.x) < 1e-9 and abs(max(s.y, t.y) - top) < 1e-3:
        marks += 1
print(json.dumps({'errors': len(auditor.errors), 'units': h.get('$INSUNITS', 0),
    'extmin': list(h['$EXTMIN'])[:2], 'extmax': list(h['$EXTMAX'])[:2],
    'limmin': list(h['$LIMMIN'])[:2], 'limmax': list(h['$LIMMAX'])[:2],
    'plimmin': list(h['$PLIMMIN'])[:2], 'plimmax': list(h['$PLIMMAX'])[:2],
    'box': [box.extmin.x, box.extmin.y, box.extmax.x, box.extmax.y],
    'layers': sorted(l.dxf.name for l in doc.layers if l.dxf.name != 'Defpoints'),
    'scoreLines': len(msp.query('LINE[layer=="SCORE"]')), 'marks': marks,
    'closedScore': sum(1 for e in msp.query('LWPOLYLINE[layer=="SCORE"]') if e.closed),
    'weights': sorted(set(e.dxf.lineweight for e in msp.query('*[layer=="SCORE"]')))}))
)";
    const QJsonObject read = python(script, { path });
    EXPECT_EQ(read.value(QLatin1String("errors")).toInt(-1), 0);
    EXPECT_EQ(read.value(QLatin1String("units")).toInt(), 4);
    const auto pair
        = [&](const char* key, int i) { return read.value(QLatin1String(key)).toArray().at(i).toDouble(-1); };
    const double width = svg.width.chopped(2).toDouble();
    const double height = svg.height.chopped(2).toDouble();
    for (const char* key : { "extmin", "limmin", "plimmin" }) {
        EXPECT_NEAR(pair(key, 0), 0, kTolerance) << key;
        EXPECT_NEAR(pair(key, 1), 0, kTolerance) << key;
    }
    for (const char* key : { "extmax", "limmax", "plimmax" }) {
        EXPECT_NEAR(pair(key, 0), width, kTolerance) << key;
        EXPECT_NEAR(pair(key, 1), height, kTolerance) << key;
    }
    // The extents are the drawing's: what it holds touches them and stays within them.
    const QJsonArray box = read.value(QLatin1String("box")).toArray();
    EXPECT_NEAR(box.at(0).toDouble(), 0, 0.01);
    EXPECT_NEAR(box.at(1).toDouble(), 0, 0.01);
    EXPECT_NEAR(box.at(2).toDouble(), width, 0.01);
    EXPECT_NEAR(box.at(3).toDouble(), height, 0.01);

    const QStringList layers = read.value(QLatin1String("layers")).toVariant().toStringList();
    EXPECT_EQ(layers,
        GetParam().strokes
            ? (QStringList { QStringLiteral("0"), QStringLiteral("CUT"), QStringLiteral("SCORE") })
            : (QStringList { QStringLiteral("0"), QStringLiteral("CUT"), QStringLiteral("ENGRAVE"),
                QStringLiteral("NOTES") }));
    if (!GetParam().strokes)
        return;
    EXPECT_GT(read.value(QLatin1String("scoreLines")).toInt(), 0);
    if (GetParam().marks > 0) {
        EXPECT_EQ(read.value(QLatin1String("marks")).toInt(), GetParam().marks);
    }
    EXPECT_EQ(read.value(QLatin1String("closedScore")).toInt(-1), 0);
    // Each from its mark's width or its text's size, as a lineweight DXF knows.
    const QList<int> known { 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100, 106, 120, 140,
        158, 200, 211 };
    for (const QJsonValue& weight : read.value(QLatin1String("weights")).toArray())
        EXPECT_TRUE(known.contains(weight.toInt(-1))) << weight.toInt(-1);
}

INSTANTIATE_TEST_SUITE_P(Styles, DxfDrawing,
    ::testing::Values(
        DxfRow { "FilledStrip",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth") }, false, 0 },
        DxfRow { "StrokeStrip",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth"),
                QStringLiteral("--strokes") },
            true, 361 },
        DxfRow { "FilledRing",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--altitude"),
                QStringLiteral("--ring") },
            false, 0 },
        DxfRow { "StrokeRing",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth"),
                QStringLiteral("--ring"), QStringLiteral("--strokes") },
            true, 0 }),
    [](const ::testing::TestParamInfo<DxfRow>& row) { return std::string(row.param.name); });

namespace {

struct LayoutRow {
    const char* name;
    QStringList arguments;
};

class CutOutline : public ::testing::TestWithParam<LayoutRow> { };

} // namespace

// A cutter follows the outline: a number reaching past it would be cut through, at the strip's
// ends above all, where "0" stands at 360 degrees.
TEST_P(CutOutline, EnclosesEveryNumberOfItsStrip)
{
    QTemporaryDir dir;
    for (const bool single : { false, true }) {
        SCOPED_TRACE(single ? "strokes" : "filled");
        const QString path = dir.filePath(single ? QStringLiteral("s.svg") : QStringLiteral("f.svg"));
        const Outcome run = vennaros(QStringList { QStringLiteral("--svg"), path }
            + (single ? strokes(GetParam().arguments) : GetParam().arguments));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const SvgDrawing svg = readSvg(path);
        ASSERT_FALSE(svg.cutRects.empty());
        std::vector<QRectF> texts = svg.engraveTexts;
        for (const QPolygonF& line : svg.scoreLines)
            texts.push_back(line.boundingRect());
        int checked = 0;
        for (const Rect& cut : svg.cutRects) {
            const QRectF outline = boxOf(cut).adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance);
            for (const QRectF& text : texts) {
                // Those of this strip: the ones reaching into its outline.
                if (!outline.intersects(text)
                    || (text.width() == 0 && text.left() >= outline.left() && text.left() <= outline.right()))
                    continue;
                ++checked;
                EXPECT_TRUE(outline.contains(text))
                    << text.left() << ' ' << text.right() << " in " << cut.left << ' ' << cut.right;
            }
        }
        EXPECT_GE(checked, 24); // the hours of RA
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, CutOutline,
    ::testing::Values(
        LayoutRow {
            "Azimuth", { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth") } },
        LayoutRow { "AzimuthBothWaysWithVerniers",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--azimuth"),
                QStringLiteral("--both-ways"), QStringLiteral("--verniers") } },
        LayoutRow { "Decreasing",
            { QStringLiteral("--size"), QStringLiteral("200mm"), QStringLiteral("--azimuth"),
                QStringLiteral("--decreasing") } },
        LayoutRow { "Ra",
            { QStringLiteral("--size"), QStringLiteral("250mm"), QStringLiteral("--azimuth"),
                QStringLiteral("--ra") } },
        LayoutRow {
            "Altitude", { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--altitude") } },
        LayoutRow { "ZeroElsewhere",
            { QStringLiteral("--size"), QStringLiteral("400mm"), QStringLiteral("--length"),
                QStringLiteral("--zero-at"), QStringLiteral("90"), QStringLiteral("--azimuth") } }),
    [](const ::testing::TestParamInfo<LayoutRow>& row) { return std::string(row.param.name); });

namespace {

struct FontRow {
    const char* name;
    const char* fontVariable; ///< VENNAROS_STROKE_FONT
    const char* message; ///< the line on standard error
};

class StrokeFont : public ::testing::TestWithParam<FontRow> { };

} // namespace

TEST_P(StrokeFont, WithoutItNoDrawingIsWrittenAndTheMessageSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.svg"));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    QFile notAFont(dir.filePath(QStringLiteral("empty.jhf")));
    ASSERT_TRUE(notAFont.open(QIODevice::WriteOnly));
    notAFont.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VENNAROS_STROKE_FONT"),
        QString::fromUtf8(GetParam().fontVariable).replace(QStringLiteral("DIR"), dir.path()));
    const Outcome run
        = vennaros(strokes({ QStringLiteral("--svg"), path, QStringLiteral("--azimuth") }), environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.split(QLatin1Char('\n'))
            .contains(QString::fromUtf8(GetParam().message).replace(QStringLiteral("DIR"), dir.path())))
        << run.err.toStdString();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
}

INSTANTIATE_TEST_SUITE_P(Missing, StrokeFont,
    ::testing::Values(
        FontRow { "NotInstalled", "",
            "vennaros: single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is "
            "not installed; install the package hershey-fonts-data, or export filled outlines" },
        FontRow { "NotAFont", "DIR/empty.jhf",
            "vennaros: single strokes need the Hershey simplex font, and 'DIR/empty.jhf' cannot be read as "
            "one; "
            "export filled outlines" }),
    [](const ::testing::TestParamInfo<FontRow>& row) { return std::string(row.param.name); });

// Inkscape's two DXF exports of the ring's SVG, where Inkscape is installed: R12 takes only paths,
// R14 only each element's own colour.
TEST_F(DrawingExport, InkscapesDxfExportsKeepTheRingsCutCirclesAndTheirColour)
{
    const QString inkscape = QStandardPaths::findExecutable(QStringLiteral("inkscape"));
    if (inkscape.isEmpty())
        GTEST_SKIP() << "Inkscape is not installed";
    const QString svgPath = write("ring.svg", azimuth300() << QStringLiteral("--ring"));
    const SvgDrawing svg = readSvg(svgPath);
    ASSERT_EQ(svg.circles.size(), 2u);
    const double inner = std::min(svg.circles[0].second, svg.circles[1].second);
    const char* script = R"(
import ezdxf, json, math, sys
from ezdxf import path
doc = ezdxf.readfile(sys.argv[1])
inner = float(sys.argv[2])
cy = float(sys.argv[3]) - 150 # y upwards from the drawing's foot
quadrants = {'outer': set(), 'inner': set()}
colours = {'cut': set(), 'engrave': set()}
for e in doc.modelspace():
    layer = e.dxf.layer.lower()
    if layer in colours:
        colours[layer].add(e.dxf.get('color', 256))
    if layer != 'cut':
        continue
    for p in path.make_path(e).flattening(0.01):
        r = math.hypot(p.x - 150, p.y - cy)
        q = int(math.degrees(math.atan2(p.y - cy, p.x - 150)) % 360 // 90)
        for name, radius in (('outer', 150.0), ('inner', inner)):
            if abs(r - radius) < 0.05:
                quadrants[name].add(q)
print(json.dumps({'outer': len(quadrants['outer']), 'inner': len(quadrants['inner']),
    'cut': sorted(colours['cut']), 'engrave': sorted(colours['engrave'])}))
)";
    struct Export {
        const char* extension;
        bool colours; ///< R12 has none of the element's
    };
    for (const Export& format : { Export { "org.inkscape.output.dxf_twelve", false },
             Export { "org.ekips.output.dxf_outlines", true } }) {
        SCOPED_TRACE(format.extension);
        const QString dxf = m_dir.filePath(QLatin1String(format.extension) + QStringLiteral(".dxf"));
        QProcess process;
        // Inkscape's extensions run on the system's Python, with its lxml.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QStringLiteral("PATH"), QStringLiteral("/usr/bin:") + environment.value(QStringLiteral("PATH")));
        process.setProcessEnvironment(environment);
        process.start(inkscape,
            { svgPath, QStringLiteral("--export-filename=") + dxf,
                QStringLiteral("--export-extension=") + QLatin1String(format.extension) });
        ASSERT_TRUE(process.waitForFinished(300000));
        ASSERT_TRUE(QFile::exists(dxf)) << process.readAllStandardError().toStdString();
        const QJsonObject read = python(script, { dxf, QString::number(inner), svg.height.chopped(2) });
        EXPECT_EQ(read.value(QLatin1String("outer")).toInt(), 4);
        EXPECT_EQ(read.value(QLatin1String("inner")).toInt(), 4);
        if (format.colours) {
            EXPECT_EQ(read.value(QLatin1String("cut")).toArray(), QJsonArray { 1 }); // red
            EXPECT_EQ(read.value(QLatin1String("engrave")).toArray(), QJsonArray { 7 }); // black
        }
    }
}

// White on black in single strokes: a line cannot be white, and the band is the stock the strip or
// ring is cut from: cut round once, along the strip's outline or the ring's circles; the black
// card is cut round.
TEST_F(DrawingExport, ASingleStrokeWhiteOnBlackStripOrRingIsCutRoundOnce)
{
    const QString settings = m_dir.filePath(QStringLiteral("both-styles.txt"));
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Smallest Mark is 1 Degree = True\r\nSmallest Mark is 5 Degree = False\r\n"
               "Black on White background = 1\r\nWhite on Black background = 1\r\n");
    file.close();
    const QStringList arguments = strokes({ QStringLiteral("--settings"), settings, QStringLiteral("--size"),
        QStringLiteral("100mm"), QStringLiteral("--azimuth"), QStringLiteral("--verniers") });
    const SvgDrawing strips = readSvg(write("wb.svg", arguments));
    ASSERT_EQ(strips.cutRects.size(), 5u); // two strips, the black card, two verniers
    std::vector<Rect> rects = strips.cutRects;
    std::sort(rects.begin(), rects.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });
    for (std::size_t i = 1; i < rects.size(); ++i)
        EXPECT_GT(rects[i].top - rects[i - 1].bottom, 1.0) << i; // none beside another
    EXPECT_EQ(strips.filledScore, 0);

    const SvgDrawing rings
        = readSvg(write("wb-ring.svg", QStringList(arguments) << QStringLiteral("--ring")));
    EXPECT_EQ(rings.circles.size(), 4u); // each ring's two
    EXPECT_EQ(rings.unstyled, 0);
    EXPECT_EQ(rings.cutRects.size(), 3u); // the black card, two verniers
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
