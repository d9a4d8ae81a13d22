#include "app/window/ReadableColour.h"

#include <QtMath>
#include <algorithm>

namespace readable {

namespace {

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : qPow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}

} // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor on(const QPalette& palette, const QColor& designed)
{
    const QColor window = palette.color(QPalette::Window);
    if (luminance(window) >= luminance(palette.color(QPalette::WindowText)))
        return designed;
    // Lighter in steps, hue and saturation kept, until it reads; white at the very end.
    const float hue = designed.hslHueF();
    const float saturation = designed.hslSaturationF();
    for (float lightness = designed.lightnessF(); lightness < 1.0F; lightness += 0.01F) {
        const QColor tone = QColor::fromHslF(hue, saturation, lightness);
        if (contrast(tone, window) >= kMinimumContrast)
            return tone;
    }
    return QColor(Qt::white);
}

QString styleOn(const QPalette& palette, const QColor& designed)
{
    return QStringLiteral("color: %1;").arg(on(palette, designed).name());
}

} // namespace readable
