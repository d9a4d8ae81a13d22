#pragma once

#include <QColor>
#include <QPalette>

/// The window's fixed text colours on the desktop's palette: as designed on a light window; on a
/// dark one (window darker than its text) a lighter tone of the same hue that reads against it.
namespace readable {

/// The least contrast kept against a dark window, as WCAG asks of normal text.
constexpr double kMinimumContrast = 4.5;

/// WCAG contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);
/// The colour to show `designed` in on this palette's window.
QColor on(const QPalette& palette, const QColor& designed);
/// "color: #rrggbb;" of that colour, for a style sheet.
QString styleOn(const QPalette& palette, const QColor& designed);

} // namespace readable
