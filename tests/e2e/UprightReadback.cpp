#include "UprightReadback.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <stdexcept>

namespace e2e {

namespace {

constexpr double kTwipsPerPdfPoint = 20.0;
constexpr int kTimeoutMs = 60000;

QJsonObject runReader(const QString& path)
{
    QProcess reader;
    reader.start(
        QStringLiteral(VENNAROS_PYTHON3), { QStringLiteral(VENNAROS_UPRIGHT_READBACK_SCRIPT), path });
    if (!reader.waitForFinished(kTimeoutMs) || reader.exitStatus() != QProcess::NormalExit
        || reader.exitCode() != 0) {
        throw std::runtime_error(
            QStringLiteral("reading %1 back failed: %2 %3")
                .arg(path, reader.errorString(), QString::fromUtf8(reader.readAllStandardError()))
                .toStdString());
    }
    const QJsonDocument json = QJsonDocument::fromJson(reader.readAllStandardOutput());
    if (!json.isObject())
        throw std::runtime_error(QStringLiteral("reading %1 back gave no page").arg(path).toStdString());
    return json.object();
}

} // namespace

UprightPage readUprightPage(const QString& path, double originX, double originY)
{
    const QJsonObject json = runReader(path);
    const auto x = [originX](const QJsonValue& v) { return v.toDouble() * kTwipsPerPdfPoint - originX; };
    const auto y = [originY](const QJsonValue& v) { return v.toDouble() * kTwipsPerPdfPoint - originY; };
    const auto twips = [](const QJsonValue& v) { return v.toDouble() * kTwipsPerPdfPoint; };
    const auto colour
        = [](const QJsonValue& v) { return static_cast<qint64>(v.toDouble(pdfreadback::kNoColour)); };
    const auto field
        = [](const QJsonValue& v, const char* name) { return v.toObject().value(QLatin1String(name)); };

    UprightPage result;
    result.turned = json[QStringLiteral("turned")].toBool();
    pdfreadback::PdfPage& page = result.page;
    page.pageCount = json[QStringLiteral("pages")].toInt();
    page.paperWidth = twips(json[QStringLiteral("width")]);
    page.paperHeight = twips(json[QStringLiteral("height")]);
    page.otherPaths = json[QStringLiteral("otherPaths")].toInt();
    for (const QJsonValue& v : json[QStringLiteral("lines")].toArray()) {
        page.segments.push_back({ x(field(v, "x1")), y(field(v, "y1")), x(field(v, "x2")), y(field(v, "y2")),
            twips(field(v, "width")), colour(field(v, "colour")), field(v, "cap").toInt() });
    }
    for (const QJsonValue& v : json[QStringLiteral("rects")].toArray()) {
        page.boxes.push_back(
            { x(field(v, "left")), y(field(v, "top")), x(field(v, "right")), y(field(v, "bottom")),
                field(v, "filled").toBool(), field(v, "stroked").toBool(), twips(field(v, "width")),
                colour(field(v, "fillColour")), colour(field(v, "strokeColour")), field(v, "join").toInt() });
    }
    for (const QJsonValue& v : json[QStringLiteral("texts")].toArray()) {
        page.texts.push_back({ field(v, "text").toString(), x(field(v, "left")), x(field(v, "right")),
            y(field(v, "top")), y(field(v, "baseline")), field(v, "points").toDouble(),
            field(v, "font").toString(), colour(field(v, "colour")) });
    }
    return result;
}

} // namespace e2e
