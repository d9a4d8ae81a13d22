#include "support/PdfReadback.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <stdexcept>

namespace pdfreadback {

namespace {

constexpr double kTwipsPerPdfPoint = 20.0;
constexpr int kTimeoutMs = 60000;

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

QJsonObject runReader(const QString& script, const QString& path)
{
    QProcess reader;
    reader.start(QStringLiteral(VENNAROS_PYTHON3), { script, path });
    if (!reader.waitForFinished(kTimeoutMs) || reader.exitStatus() != QProcess::NormalExit
        || reader.exitCode() != 0) {
        fail(QStringLiteral("reading %1 back failed: %2 %3")
                 .arg(path, reader.errorString(), QString::fromUtf8(reader.readAllStandardError())));
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(reader.readAllStandardOutput(), &error);
    if (!json.isObject())
        fail(QStringLiteral("reading %1 back gave no page: %2").arg(path, error.errorString()));
    return json.object();
}

PdfPage pageOf(const QJsonObject& json, double originX, double originY)
{
    const auto x = [originX](const QJsonValue& v) { return v.toDouble() * kTwipsPerPdfPoint - originX; };
    const auto y = [originY](const QJsonValue& v) { return v.toDouble() * kTwipsPerPdfPoint - originY; };
    const auto twips = [](const QJsonValue& v) { return v.toDouble() * kTwipsPerPdfPoint; };
    const auto colour = [](const QJsonValue& v) { return static_cast<qint64>(v.toDouble(kNoColour)); };

    PdfPage page;
    page.paperWidth = twips(json[QStringLiteral("width")]);
    page.paperHeight = twips(json[QStringLiteral("height")]);
    page.otherPaths = json[QStringLiteral("otherPaths")].toInt();
    for (const QJsonValue& v : json[QStringLiteral("lines")].toArray()) {
        const QJsonObject o = v.toObject();
        page.segments.push_back({ x(o[QStringLiteral("x1")]), y(o[QStringLiteral("y1")]),
            x(o[QStringLiteral("x2")]), y(o[QStringLiteral("y2")]), twips(o[QStringLiteral("width")]),
            colour(o[QStringLiteral("colour")]), o[QStringLiteral("cap")].toInt() });
    }
    for (const QJsonValue& v : json[QStringLiteral("rects")].toArray()) {
        const QJsonObject o = v.toObject();
        page.boxes.push_back({ x(o[QStringLiteral("left")]), y(o[QStringLiteral("top")]),
            x(o[QStringLiteral("right")]), y(o[QStringLiteral("bottom")]),
            o[QStringLiteral("filled")].toBool(), o[QStringLiteral("stroked")].toBool(),
            twips(o[QStringLiteral("width")]), colour(o[QStringLiteral("fillColour")]),
            colour(o[QStringLiteral("strokeColour")]), o[QStringLiteral("join")].toInt() });
    }
    for (const QJsonValue& v : json[QStringLiteral("texts")].toArray()) {
        const QJsonObject o = v.toObject();
        page.texts.push_back({ o[QStringLiteral("text")].toString(), x(o[QStringLiteral("left")]),
            x(o[QStringLiteral("right")]), y(o[QStringLiteral("top")]), y(o[QStringLiteral("baseline")]),
            o[QStringLiteral("points")].toDouble(), o[QStringLiteral("font")].toString(),
            colour(o[QStringLiteral("colour")]), o[QStringLiteral("angle")].toDouble(),
            x(o[QStringLiteral("x0")]), y(o[QStringLiteral("y0")]), x(o[QStringLiteral("x1")]),
            y(o[QStringLiteral("y1")]) });
    }
    return page;
}

/// The entries of the document as a whole, the same on every page read.
void takeDocumentEntries(PdfPage& page, const QJsonObject& json)
{
    page.printScaling = json[QStringLiteral("printScaling")].toString();
    page.title = json[QStringLiteral("title")].toString();
    page.creator = json[QStringLiteral("creator")].toString();
    page.pageCount = json[QStringLiteral("pages")].toInt();
}

} // namespace

PdfPage readPdfPage(const QString& path, double originX, double originY)
{
    return readPdfPage(QStringLiteral(VENNAROS_PDF_READBACK_SCRIPT), path, originX, originY);
}

PdfPage readPdfPage(
    const QString& script, const QString& path, double originX, double originY, QJsonObject* output)
{
    const QJsonObject json = runReader(script, path);
    if (output)
        *output = json;
    PdfPage page = pageOf(json, originX, originY);
    takeDocumentEntries(page, json);
    return page;
}

std::vector<PdfPage> readPdfPages(const QString& path, double originX, double originY)
{
    const QJsonObject json = runReader(QStringLiteral(VENNAROS_PDF_READBACK_SCRIPT), path);
    std::vector<PdfPage> pages;
    const QJsonArray list = json[QStringLiteral("pageList")].toArray();
    for (const QJsonValue& page : list) {
        pages.push_back(pageOf(page.toObject(), originX, originY));
        takeDocumentEntries(pages.back(), json);
    }
    return pages;
}

} // namespace pdfreadback
