#include "print/render/DxfDocument.h"

#include "print/page/PageUnits.h"
#include "print/render/DrawingNumbers.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <QLineF>
#include <QPolygonF>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>

namespace {

/// A millionth of a millimetre: the file keeps what the page computed.
constexpr int kDecimals = 6;
constexpr int kWhiteOrBlack = 7; // the DXF colour that shows black on white paper
constexpr int kRed = 1;
constexpr int kBlue = 5; // the notes, apart from the engraving for programs that sort by colour
const std::string kEngrave = "ENGRAVE";
const std::string kCut = "CUT";
const std::string kNotes = "NOTES";
const std::string kScore = "SCORE";

/// The lineweights a DXF may name, in hundredths of a millimetre.
constexpr std::array kLineweights { 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100, 106,
    120, 140, 158, 200, 211 };

int lineweight(double mm)
{
    const double hundredths = mm * 100;
    return *std::min_element(kLineweights.begin(), kLineweights.end(),
        [&](int a, int b) { return std::abs(a - hundredths) < std::abs(b - hundredths); });
}

/// dxflib's file writer, writing into memory instead: the file appears whole or not at all, as
/// every file the program writes, which only the caller can see to.
class MemoryWriter : public DL_WriterA {
public:
    MemoryWriter()
        : DL_WriterA("/dev/null", DL_Codes::AC1015)
    { }

    mutable QByteArray bytes;

    void dxfReal(int gc, double value) const override
    {
        code(gc);
        appendDrawingNumber(bytes, value, kDecimals);
        bytes.append('\n');
    }
    void dxfInt(int gc, int value) const override
    {
        code(gc);
        bytes.append(QByteArray::number(value)).append('\n');
    }
    void dxfHex(int gc, int value) const override
    {
        code(gc);
        bytes.append(QByteArray::number(value, 16).toUpper()).append('\n');
    }
    void dxfString(int gc, const char* value) const override
    {
        code(gc);
        bytes.append(value).append('\n');
    }
    void dxfString(int gc, const std::string& value) const override
    {
        code(gc);
        bytes.append(value.data(), static_cast<qsizetype>(value.size())).append('\n');
    }

private:
    void code(int gc) const
    {
        // Group codes right-aligned in three places, as AutoCAD writes them.
        const QByteArray number = QByteArray::number(gc);
        bytes.append(QByteArray(std::max<qsizetype>(0, 3 - number.size()), ' ')).append(number).append('\n');
    }
};

class DxfEntities {
public:
    DxfEntities(DL_Dxf& dxf, MemoryWriter& writer, const QRectF& bounds)
        : m_dxf(dxf)
        , m_writer(writer)
        , m_bounds(bounds)
    { }

    /// Flattened in twips, where Qt's half-unit tolerance is a hundredth of a millimetre.
    void outline(const QPainterPath& path, const std::string& layer, bool filled)
    {
        for (const QPolygonF& polygon : path.toSubpathPolygons())
            polyline(polygon, layer, filled, -1);
    }

    void circle(const PageOutlines::Circle& circle)
    {
        if (circle.radius <= 0)
            return;
        const QPointF centre = toMm(circle.centre);
        m_dxf.writeCircle(m_writer, DL_CircleData(centre.x(), centre.y(), 0, circle.radius / kTwipsPerMm),
            attributes(kCut));
    }

    /// A mark as a LINE, a text's stroke as an open polyline, each with its width.
    void line(const PageOutlines::Line& line)
    {
        const int weight = lineweight(line.width / kTwipsPerMm);
        if (line.points.size() == 2) {
            const QPointF from = toMm(line.points[0]);
            const QPointF to = toMm(line.points[1]);
            QByteArray key = "LINE";
            for (const double value : { from.x(), from.y(), to.x(), to.y() }) {
                key.append(' ');
                appendDrawingNumber(key, value, kDecimals);
            }
            if (QLineF(from, to).length() <= 1e-6 || m_written.contains(key))
                return;
            m_written.insert(key);
            m_dxf.writeLine(m_writer, DL_LineData(from.x(), from.y(), 0, to.x(), to.y(), 0),
                DL_Attributes(kScore, 256, weight, "BYLAYER", 1.0));
            return;
        }
        polyline(line.points, kScore, false, weight);
    }

private:
    QPointF toMm(const QPointF& twips) const
    {
        // DXF counts y upwards.
        return QPointF(
            (twips.x() - m_bounds.left()) / kTwipsPerMm, (m_bounds.bottom() - twips.y()) / kTwipsPerMm);
    }

    static DL_Attributes attributes(const std::string& layer)
    {
        return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0); // colour and line type by layer
    }

    /// weight -1: the layer's.
    void polyline(const QPolygonF& polygon, const std::string& layer, bool filled, int weight)
    {
        QPolygonF points;
        for (const QPointF& point : polygon) {
            const QPointF mm = toMm(point);
            // Points closer than the file's resolution would make zero-length segments.
            if (points.isEmpty() || QLineF(points.constLast(), mm).length() > 1e-6)
                points.append(mm);
        }
        bool closed = filled;
        // A stroke that comes back to its start stays open: programs fill closed outlines.
        if (layer != kScore && points.size() > 2
            && QLineF(points.constFirst(), points.constLast()).length() <= 1e-6) {
            points.removeLast();
            closed = true;
        }
        if (points.size() < (closed ? 3 : 2))
            return;
        // The same outline twice would be engraved or cut twice.
        QByteArray key = QByteArray::fromStdString(layer);
        for (const QPointF& point : points) {
            key.append(' ');
            appendDrawingNumber(key, point.x(), kDecimals);
            key.append(',');
            appendDrawingNumber(key, point.y(), kDecimals);
        }
        if (m_written.contains(key))
            return;
        m_written.insert(key);
        m_dxf.writePolyline(m_writer, DL_PolylineData(static_cast<int>(points.size()), 0, 0, closed ? 1 : 0),
            DL_Attributes(layer, 256, weight, "BYLAYER", 1.0));
        for (const QPointF& point : points)
            m_dxf.writeVertex(m_writer, DL_VertexData(point.x(), point.y(), 0, 0));
        m_dxf.writePolylineEnd(m_writer);
    }

    DL_Dxf& m_dxf;
    MemoryWriter& m_writer;
    QRectF m_bounds;
    QSet<QByteArray> m_written;
};

void writeTables(DL_Dxf& dxf, MemoryWriter& dw, bool strokes)
{
    dw.sectionTables();
    dxf.writeVPort(dw);

    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();

    dw.tableLayers(strokes ? 3 : 4);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", kWhiteOrBlack, 0, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(strokes ? kScore : kEngrave, 0),
        DL_Attributes("", kWhiteOrBlack, 0, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(kCut, 0), DL_Attributes("", kRed, 0, "CONTINUOUS", 1.0));
    if (!strokes)
        dxf.writeLayer(dw, DL_LayerData(kNotes, 0), DL_Attributes("", kBlue, 0, "CONTINUOUS", 1.0));
    dw.tableEnd();

    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();

    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();
}

} // namespace

QByteArray dxfDocument(const PageOutlines& outlines)
{
    DL_Dxf dxf;
    MemoryWriter dw;
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1); // metric
    // The drawing's own corners: CAD programs open and print it on them, not on a default sheet
    // (LibreCAD takes its paper from the paper space's limits).
    const double width = outlines.bounds.width() / kTwipsPerMm;
    const double height = outlines.bounds.height() / kTwipsPerMm;
    for (const auto& [name, x, y] : { std::tuple("$EXTMIN", 0.0, 0.0), std::tuple("$EXTMAX", width, height),
             std::tuple("$LIMMIN", 0.0, 0.0), std::tuple("$LIMMAX", width, height),
             std::tuple("$PLIMMIN", 0.0, 0.0), std::tuple("$PLIMMAX", width, height) }) {
        dw.dxfString(9, name);
        dw.dxfReal(10, x);
        dw.dxfReal(20, y);
        if (name[1] == 'E')
            dw.dxfReal(30, 0.0);
    }
    dw.sectionEnd();
    writeTables(dxf, dw, outlines.strokes);

    dw.sectionEntities();
    DxfEntities entities(dxf, dw, outlines.bounds);
    for (const QPainterPath& path : outlines.engrave)
        entities.outline(path, kEngrave, true);
    for (const QPainterPath& path : outlines.notes)
        entities.outline(path, kNotes, true);
    for (const PageOutlines::Line& line : outlines.score)
        entities.line(line);
    for (const QPainterPath& path : outlines.cut)
        entities.outline(path, kCut, false);
    for (const PageOutlines::Circle& circle : outlines.cutCircles)
        entities.circle(circle);
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.bytes;
}
