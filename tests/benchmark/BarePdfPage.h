#pragma once

#include <QString>
#include <vector>

/// The primitives of a page as plain numbers, and Qt's PDF writer drawing them with nothing of the
/// program in between: the floor the program's own PDF printing is measured against.
struct BarePrimitive {
    char kind = 'S'; ///< 'S' stroke, 'B' filled box, 'T' text
    double x = 0, y = 0, dx = 0, dy = 0; ///< twips from the printable area's top-left
    unsigned colour = 0; ///< 0x00BBGGRR
    int penDots = 1; ///< of a 600 dpi printer
    double points = 0;
    QString font;
    QString text;
};

/// One primitive a line, tab separated.
bool writeBarePrimitives(const QString& path, const std::vector<BarePrimitive>& primitives);
std::vector<BarePrimitive> readBarePrimitives(const QString& path);

/// Draws the primitives on one A4 landscape page with quarter-inch margins at 1200 dpi into a PDF
/// file, as a program would that uses QPdfWriter directly.
bool drawBarePdf(const QString& path, const std::vector<BarePrimitive>& primitives);
