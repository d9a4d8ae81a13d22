#pragma once

#include "print/page/Page.h"
#include "print/page/TextMetrics.h"

#include <QRectF>
#include <QString>
#include <map>
#include <utility>

/// Where a page's drawing reaches, in twips: strokes to their pen's edge across them, boxes to
/// their corners, texts to their measured width and line height in the page's font, arcs and
/// annuli to the circle's extremes they pass.
class InkExtents {
public:
    explicit InkExtents(const TextMetrics& metrics);

    /// The op's ink as a box on the page: a turned text's box holds all of it.
    QRectF bounds(const PageOp& op) const;
    double left(const PageOp& op) const;
    double right(const PageOp& op) const;
    double top(const PageOp& op) const;
    double bottom(const PageOp& op) const;
    /// The text's own width, blanks included; 0 for a stroke or a box.
    double textWidth(const PageOp& op) const;
    /// Where a text's glyphs begin and end, its blanks left out; a stroke's or box's ink extent.
    double glyphLeft(const PageOp& op) const;
    double glyphRight(const PageOp& op) const;
    double lineHeight(const QString& fontName, double points) const;

private:
    const TextMetrics& m_metrics;
    mutable std::map<std::pair<QString, double>, double> m_heights; // one measurement per font
};
