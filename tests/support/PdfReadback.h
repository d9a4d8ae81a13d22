#pragma once

#include "print/page/PaperFormat.h"

#include <QString>
#include <QtGlobal>
#include <vector>

/// A PDF page read back for tests, in twips from the printable area's top-left, y downwards.
class QJsonObject;

namespace pdfreadback {

constexpr qint64 kNoColour = -1;

/// One straight stroke of the page.
struct Segment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0; ///< stroke width in twips
    qint64 colour = kNoColour; ///< 0x00BBGGRR
    int cap = 0; ///< PDF line cap: 0 flat, 1 round, 2 square
};

/// One axis-aligned rectangle: its path, not the extent of its edge stroke.
struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool filled = false;
    bool stroked = false;
    double strokeWidth = 0; ///< twips
    qint64 fillColour = kNoColour;
    qint64 strokeColour = kNoColour;
    int join = 0; ///< PDF line join: 0 miter, 1 round, 2 bevel
};

/// Glyphs drawn one after the other on one baseline; top is the font's ascent above the baseline.
struct TextRun {
    QString text;
    double left = 0;
    double right = 0;
    double top = 0;
    double baseline = 0;
    double points = 0; ///< font size
    QString font; ///< the embedded font's name, subset prefix included
    qint64 colour = kNoColour;
    double angle = 0; ///< the baseline's direction, degrees clockwise from the page's x
    double startX = 0; ///< the baseline from the first glyph's origin to the last glyph's end
    double startY = 0;
    double endX = 0;
    double endY = 0;
};

struct PdfPage {
    int pageCount = 0;
    double paperWidth = 0; ///< twips
    double paperHeight = 0;
    std::vector<Segment> segments;
    std::vector<Box> boxes;
    std::vector<TextRun> texts;
    int otherPaths = 0; ///< paths that are neither a segment nor a rectangle
    QString printScaling; ///< the catalog's /ViewerPreferences /PrintScaling, "" without one
    QString title; ///< the document information's /Title
    QString creator;
};

/// Reads the first page of the PDF file. originX / originY place the printable area's top-left on
/// the paper, in twips (the printer surface's margins by default). Throws std::runtime_error when
/// the file can't be read.
PdfPage readPdfPage(const QString& path, double originX = PaperFormat::kMarginTwips,
    double originY = PaperFormat::kMarginTwips);

/// Every page of the PDF file, in order, read as readPdfPage reads the first.
std::vector<PdfPage> readPdfPages(const QString& path, double originX = PaperFormat::kMarginTwips,
    double originY = PaperFormat::kMarginTwips);

/// The same with another reader script that writes the same JSON (it may add fields of its own,
/// returned in `json`).
PdfPage readPdfPage(
    const QString& script, const QString& path, double originX, double originY, QJsonObject* json = nullptr);

} // namespace pdfreadback
