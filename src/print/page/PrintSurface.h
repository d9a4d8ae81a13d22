#pragma once

#include "print/page/PageUnits.h"

#include <QString>
#include <QtGlobal>

/// Colours as the jobs pass them: 0x00BBGGRR.
using Rgb = quint32;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;

/// The two kinds of Line the jobs draw; the second point is always relative to the first.
enum class LineFlags : qint16 {
    Stroke = 14, ///< a straight stroke, DrawWidth dots wide
    FilledBox = 46, ///< a rectangle with the two points as corners, filled and edged in the colour
};

/// The job-start setting is the coordinate scale: points while the opening blank line is printed,
/// twips for everything after it.
enum class ScaleMode : qint16 { Twips = 1, Points = 2 };

struct PageRow;

/// The page of the current printer, as both print jobs draw on it. Coordinates are in the current
/// scale (twips unless the job-start setting says points), origin at the top-left of the printable
/// area, y downwards. Every operation may fail with a RuntimeError.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    /// Full paper width in twips, whatever the scale.
    virtual qint32 width() = 0;
    virtual void setJobStart(qint16 setting) = 0;

    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    virtual void setForeColor(Rgb colour) = 0;
    /// Stroke width in device dots, 1 the thinnest.
    virtual void setDrawWidth(qint16 dots) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(float points) = 0;

    virtual float textWidth(const QString& text) = 0;
    virtual float textHeight(const QString& text) = 0;

    /// Draws the text with its top-left at (CurrentX, CurrentY), then moves to the next line.
    /// The first output opens the document.
    virtual void print(const QString& text) = 0;
    /// An Integer item: a blank (or minus sign), the digits and a blank.
    virtual void print(qint16 number) = 0;
    virtual void line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour) = 0;

    /// Tells the page's layout that a row of the page begins with the next drawing; a surface that
    /// does not lay out its page ignores it.
    virtual void beginRow(const PageRow&) { }

    /// The document is complete and goes to the printer.
    virtual void endDoc() = 0;
    /// The document is abandoned: nothing of it is printed.
    virtual void killDoc() = 0;
};
