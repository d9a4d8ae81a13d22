#include "BarePdfPage.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

namespace {

QColor colourOf(unsigned rgb)
{
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

} // namespace

bool writeBarePrimitives(const QString& path, const std::vector<BarePrimitive>& primitives)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    for (const BarePrimitive& p : primitives) {
        out << QChar::fromLatin1(p.kind) << '\t' << p.x << '\t' << p.y << '\t' << p.dx << '\t' << p.dy << '\t'
            << p.colour << '\t' << p.penDots << '\t' << p.points << '\t' << p.font << '\t' << p.text << '\n';
    }
    return true;
}

std::vector<BarePrimitive> readBarePrimitives(const QString& path)
{
    std::vector<BarePrimitive> primitives;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return primitives;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(QLatin1Char('\t'));
        if (f.size() < 10)
            continue;
        primitives.push_back({ f[0].at(0).toLatin1(), f[1].toDouble(), f[2].toDouble(), f[3].toDouble(),
            f[4].toDouble(), f[5].toUInt(), f[6].toInt(), f[7].toDouble(), f[8], f[9] });
    }
    return primitives;
}

bool drawBarePdf(const QString& path, const std::vector<BarePrimitive>& primitives)
{
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.scale(1200 / 1440.0, 1200 / 1440.0); // one unit a twip
    for (const BarePrimitive& p : primitives) {
        const QColor colour = colourOf(p.colour);
        if (p.kind == 'T') {
            QFont font(p.font);
            font.setPixelSize(qRound(p.points * 20));
            painter.setFont(font);
            painter.setPen(colour);
            painter.drawText(QPointF(p.x, p.y + QFontMetricsF(font).ascent()), p.text);
            continue;
        }
        painter.setPen(QPen(colour, p.penDots * 2.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        if (p.kind == 'S') {
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(QPointF(p.x, p.y), QPointF(p.x + p.dx, p.y + p.dy));
        } else {
            painter.setBrush(colour);
            painter.drawRect(QRectF(p.x, p.y, p.dx, p.dy).normalized());
        }
    }
    return painter.end();
}
