#include "print/render/HersheyFont.h"

#include <QFile>
#include <QStandardPaths>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace {

constexpr char32_t kFirst = 32;
constexpr int kCoordinateBase = 'R'; // JHF writes -9 as 'I', 0 as 'R', 9 as '['

/// The signs the simplex face lacks, in its units: a small circle and one or two ticks up top.
std::vector<QPolygonF> degreeSign()
{
    QPolygonF circle;
    constexpr int kSteps = 12;
    for (int i = 0; i <= kSteps; ++i) {
        const double angle = 2 * std::numbers::pi * i / kSteps;
        circle << QPointF(3 * std::cos(angle), -9 + 3 * std::sin(angle));
    }
    return { circle };
}

std::vector<QPolygonF> ticks(int count)
{
    std::vector<QPolygonF> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(QPolygonF { QPointF(1 + 3 * i, -12), QPointF(-1 + 3 * i, -6) });
    return lines;
}

} // namespace

QString HersheyFont::simplexPath()
{
    // Set, it names the file alone: another face, or none to see how the program does without.
    if (qEnvironmentVariableIsSet("VENNAROS_STROKE_FONT"))
        return qEnvironmentVariable("VENNAROS_STROKE_FONT");
    const QString inData = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("hershey-fonts/rowmans.jhf"));
    if (!inData.isEmpty())
        return inData;
    const QString debian = QStringLiteral("/usr/share/hershey-fonts/rowmans.jhf");
    return QFile::exists(debian) ? debian : QString();
}

std::optional<HersheyFont> HersheyFont::load(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

std::optional<HersheyFont> HersheyFont::parse(const QByteArray& jhf)
{
    // Long glyphs run on over several lines: their line breaks are no part of the data.
    QByteArray data;
    data.reserve(jhf.size());
    for (const char c : jhf)
        if (c != '\r')
            data.append(c);
    HersheyFont font;
    qsizetype at = 0;
    while (at < data.size()) {
        if (data[at] == '\n') {
            ++at;
            continue;
        }
        // Five places of glyph number, three of the pairs that follow, the first pair its bounds.
        if (at + 8 > data.size())
            break;
        bool ok = false;
        const int pairs = data.mid(at + 5, 3).trimmed().toInt(&ok);
        at += 8;
        if (!ok || pairs < 1)
            return std::nullopt;
        QByteArray coordinates;
        while (coordinates.size() < 2 * pairs && at < data.size()) {
            if (data[at] != '\n')
                coordinates.append(data[at]);
            ++at;
        }
        if (coordinates.size() < 2 * pairs)
            return std::nullopt;
        Glyph glyph;
        glyph.left = coordinates[0] - kCoordinateBase;
        glyph.right = coordinates[1] - kCoordinateBase;
        QPolygonF line;
        for (int i = 1; i < pairs; ++i) {
            const char x = coordinates[2 * i];
            const char y = coordinates[2 * i + 1];
            if (x == ' ' && y == 'R') { // pen up
                if (line.size() > 1)
                    glyph.lines.push_back(line);
                line.clear();
                continue;
            }
            line << QPointF(x - kCoordinateBase, y - kCoordinateBase);
        }
        if (line.size() > 1)
            glyph.lines.push_back(line);
        font.m_glyphs.push_back(std::move(glyph));
    }
    if (font.m_glyphs.size() <= '?' - kFirst)
        return std::nullopt;
    font.m_signs = { Glyph { -5, 5, degreeSign() }, Glyph { -4, 4, ticks(1) }, Glyph { -5, 7, ticks(2) } };
    return font;
}

const HersheyFont::Glyph& HersheyFont::glyph(char32_t character) const
{
    switch (character) {
    case U'\u00B0':
        return m_signs[0];
    case U'\u2032':
        return m_signs[1];
    case U'\u2033':
        return m_signs[2];
    default:
        break;
    }
    if (character >= kFirst && character - kFirst < m_glyphs.size())
        return m_glyphs[character - kFirst];
    return m_glyphs['?' - kFirst];
}

std::vector<QPolygonF> HersheyFont::strokes(const QString& text) const
{
    std::vector<QPolygonF> lines;
    double x = 0;
    for (const char32_t character : text.toUcs4()) {
        const Glyph& g = glyph(character);
        const QTransform place = QTransform::fromTranslate(x - g.left, 0);
        for (const QPolygonF& line : g.lines)
            lines.push_back(place.map(line));
        x += g.right - g.left;
    }
    return lines;
}
