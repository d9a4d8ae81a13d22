#pragma once

#include <QString>

/// Text extents in twips for a font name and point size.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual double width(const QString& text, const QString& fontName, double points) const = 0;
    virtual double height(const QString& text, const QString& fontName, double points) const = 0;
};

/// Deterministic metrics for tests: every character is 0.55 em wide, a line 1.1 em high.
class FixedTextMetrics : public TextMetrics {
public:
    static constexpr double kWidthPerPoint = 11.0; // twips per character per point
    static constexpr double kHeightPerPoint = 22.0; // twips per point

    double width(const QString& text, const QString& fontName, double points) const override;
    double height(const QString& text, const QString& fontName, double points) const override;
};

/// Metrics of the real font, as it will be drawn on the page (sized in twips, unhinted).
class FontTextMetrics : public TextMetrics {
public:
    double width(const QString& text, const QString& fontName, double points) const override;
    double height(const QString& text, const QString& fontName, double points) const override;
};
