#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

/// A single-stroke font in the Hershey JHF format (the glyphs of ASCII 32 to 126 in order), as
/// Debian's hershey-fonts-data installs it: each glyph a few open polylines a pen or beam follows
/// once. Units are the font's own, y downwards, a digit 21 high and standing on y = 9.
class HersheyFont {
public:
    /// The simplex roman face where the system keeps it, or the file VENNAROS_STROKE_FONT names;
    /// empty when it is not installed.
    static QString simplexPath();
    /// Nothing when the file cannot be read or holds no glyph.
    static std::optional<HersheyFont> load(const QString& path);
    static std::optional<HersheyFont> parse(const QByteArray& jhf);

    /// How high a digit stands, in font units.
    static constexpr double kDigitHeight = 21;

    /// The text's polylines set one glyph after the other from x = 0. Characters the face lacks
    /// are drawn as a question mark; the degree, minute and second signs are drawn by hand.
    std::vector<QPolygonF> strokes(const QString& text) const;

private:
    struct Glyph {
        int left = 0;
        int right = 0;
        std::vector<QPolygonF> lines;
    };
    const Glyph& glyph(char32_t character) const;

    std::vector<Glyph> m_glyphs; ///< from ASCII 32
    std::vector<Glyph> m_signs; ///< degree, minute, second
};
