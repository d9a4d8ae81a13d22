#include "print/render/SvgDocument.h"

#include "print/page/PageUnits.h"
#include "print/render/DrawingNumbers.h"

#include <QBuffer>
#include <QSet>
#include <QXmlStreamWriter>

namespace {

/// Tenths of a micrometre: far below what any cutter resolves, and the marks' spacing survives.
constexpr int kDecimals = 4;

class SvgWriter {
public:
    SvgWriter(QXmlStreamWriter& xml, const QPointF& origin)
        : m_xml(xml)
        , m_origin(origin)
    { }

    /// The layer's look is repeated on each element: some converters read only the element's own.
    void beginLayer(const char* name, const char* fill, const char* stroke, const char* strokeWidth)
    {
        m_xml.writeStartElement(QStringLiteral("g"));
        m_xml.writeAttribute(QStringLiteral("id"), QLatin1String(name));
        m_xml.writeAttribute(QStringLiteral("inkscape:groupmode"), QStringLiteral("layer"));
        m_xml.writeAttribute(QStringLiteral("inkscape:label"), QLatin1String(name));
        m_xml.writeAttribute(QStringLiteral("fill"), QLatin1String(fill));
        m_xml.writeAttribute(QStringLiteral("stroke"), QLatin1String(stroke));
        if (strokeWidth != nullptr)
            m_xml.writeAttribute(QStringLiteral("stroke-width"), QLatin1String(strokeWidth));
        m_style = QStringLiteral("fill:%1;stroke:%2").arg(QLatin1String(fill), QLatin1String(stroke));
        if (strokeWidth != nullptr)
            m_style += QStringLiteral(";stroke-width:") + QLatin1String(strokeWidth);
        m_written.clear();
    }

    void endLayer() { m_xml.writeEndElement(); }

    /// Filled outlines close every subpath; lines close only where they come back to their start.
    void path(const QPainterPath& path, bool filled)
    {
        const QByteArray d = pathData(path, filled);
        // No empty path and none twice over: a cutter would burn it twice.
        if (d.isEmpty() || m_written.contains(d))
            return;
        m_written.insert(d);
        m_xml.writeEmptyElement(QStringLiteral("path"));
        m_xml.writeAttribute(QStringLiteral("d"), QString::fromLatin1(d));
        if (filled && path.fillRule() == Qt::OddEvenFill)
            m_xml.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
        m_xml.writeAttribute(QStringLiteral("style"), m_style);
    }

    /// An open line of its own width, in millimetres.
    void line(const PageOutlines::Line& line)
    {
        QByteArray d;
        for (const QPointF& point : line.points) {
            d += d.isEmpty() ? 'M' : 'L';
            appendPoint(d, point);
        }
        if (line.points.size() < 2 || m_written.contains(d))
            return;
        m_written.insert(d);
        m_xml.writeEmptyElement(QStringLiteral("path"));
        m_xml.writeAttribute(QStringLiteral("d"), QString::fromLatin1(d));
        m_xml.writeAttribute(QStringLiteral("style"),
            QStringLiteral("fill:none;stroke:#000000;stroke-width:") + number(line.width));
    }

    void circle(const PageOutlines::Circle& circle)
    {
        QByteArray key;
        appendPoint(key, circle.centre);
        key.append(' ');
        appendDrawingNumber(key, circle.radius / kTwipsPerMm, kDecimals);
        if (circle.radius <= 0 || m_written.contains(key))
            return;
        m_written.insert(key);
        // Two half circles: converters that take only paths (Inkscape's R12 DXF) keep it.
        const QString r = number(circle.radius);
        const QString y = number(circle.centre.y() - m_origin.y());
        const QString left = number(circle.centre.x() - circle.radius - m_origin.x());
        const QString right = number(circle.centre.x() + circle.radius - m_origin.x());
        const QString half = QStringLiteral("A%1 %1 0 1 0 ").arg(r);
        m_xml.writeEmptyElement(QStringLiteral("path"));
        m_xml.writeAttribute(QStringLiteral("d"),
            QStringLiteral("M%1 %2").arg(left, y) + half + right + QLatin1Char(' ') + y + half + left
                + QLatin1Char(' ') + y + QLatin1Char('Z'));
        m_xml.writeAttribute(QStringLiteral("style"), m_style);
    }

private:
    static QString number(double twips)
    {
        QByteArray text;
        appendDrawingNumber(text, twips / kTwipsPerMm, kDecimals);
        return QString::fromLatin1(text);
    }

    void appendPoint(QByteArray& out, const QPointF& point) const
    {
        appendDrawingNumber(out, (point.x() - m_origin.x()) / kTwipsPerMm, kDecimals);
        out.append(' ');
        appendDrawingNumber(out, (point.y() - m_origin.y()) / kTwipsPerMm, kDecimals);
    }

    QByteArray pathData(const QPainterPath& path, bool filled) const
    {
        QByteArray d;
        QByteArray subpath;
        int segments = 0;
        bool closes = false;
        QPointF start;
        QPointF current;
        const auto endSubpath = [&] {
            if (segments > 0) {
                d += subpath;
                if (filled || closes)
                    d += 'Z';
            }
            subpath.clear();
            segments = 0;
            closes = false;
        };
        const int count = path.elementCount();
        const auto lastOfSubpath = [&](int i) {
            return i + 1 >= count || path.elementAt(i + 1).type == QPainterPath::MoveToElement;
        };
        for (int i = 0; i < count; ++i) {
            const QPainterPath::Element element = path.elementAt(i);
            const QPointF point = element;
            switch (element.type) {
            case QPainterPath::MoveToElement:
                endSubpath();
                subpath += 'M';
                appendPoint(subpath, point);
                start = current = point;
                break;
            case QPainterPath::LineToElement:
                if (point == current)
                    break; // nothing to draw or cut
                ++segments;
                current = point;
                if (point == start && lastOfSubpath(i)) {
                    closes = true; // Z draws it
                    break;
                }
                subpath += 'L';
                appendPoint(subpath, point);
                break;
            case QPainterPath::CurveToElement: {
                if (i + 2 >= count)
                    return d;
                const QPointF end = path.elementAt(i + 2);
                subpath += 'C';
                appendPoint(subpath, point);
                subpath += ' ';
                appendPoint(subpath, path.elementAt(i + 1));
                subpath += ' ';
                appendPoint(subpath, end);
                ++segments;
                i += 2;
                current = end;
                closes = closes || (end == start && lastOfSubpath(i));
                break;
            }
            case QPainterPath::CurveToDataElement:
                break;
            }
        }
        endSubpath();
        return d;
    }

    QXmlStreamWriter& m_xml;
    QPointF m_origin;
    QSet<QByteArray> m_written;
    QString m_style;
};

} // namespace

QByteArray svgDocument(const PageOutlines& outlines)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();

    const QRectF bounds = outlines.bounds;
    const auto mm = [](double twips) {
        QByteArray text;
        appendDrawingNumber(text, twips / kTwipsPerMm, kDecimals);
        return QString::fromLatin1(text);
    };
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeAttribute(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(
        QStringLiteral("xmlns:inkscape"), QStringLiteral("http://www.inkscape.org/namespaces/inkscape"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    // One user unit a millimetre: without the viewBox programs guess 90 or 96 units to the inch.
    xml.writeAttribute(QStringLiteral("width"), mm(bounds.width()) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("height"), mm(bounds.height()) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("viewBox"),
        QStringLiteral("0 0 ") + mm(bounds.width()) + QLatin1Char(' ') + mm(bounds.height()));

    SvgWriter writer(xml, bounds.topLeft());
    if (outlines.strokes) {
        // Each line's width is its mark's, on the line itself.
        writer.beginLayer("score", "none", "#000000", nullptr);
        for (const PageOutlines::Line& line : outlines.score)
            writer.line(line);
        writer.endLayer();
    } else {
        writer.beginLayer("engrave", "#000000", "none", nullptr);
        for (const QPainterPath& path : outlines.engrave)
            writer.path(path, true);
        writer.endLayer();
        // Blue: a laser program that sorts by colour keeps the notes apart from what it engraves.
        writer.beginLayer("notes", "#0000ff", "none", nullptr);
        for (const QPainterPath& path : outlines.notes)
            writer.path(path, true);
        writer.endLayer();
    }
    // Last, so it lies on top where a program shows them together.
    writer.beginLayer("cut", "none", "#ff0000", "0.01");
    for (const QPainterPath& path : outlines.cut)
        writer.path(path, false);
    for (const PageOutlines::Circle& circle : outlines.cutCircles)
        writer.circle(circle);
    writer.endLayer();

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
