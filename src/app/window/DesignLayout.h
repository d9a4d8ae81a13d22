#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

/// Places controls at their design positions, given in twips (15 twips to the pixel at 96 dpi,
/// scaled with the screen's DPI and the desktop's font), and makes the window's Arial fonts, their
/// design sizes scaled with the desktop's font.
class DesignLayout {
public:
    static constexpr double kTwipsPerPixelAt96Dpi = 15.0;
    /// The desktop font size the design's sizes are drawn for: Qt's own default.
    static constexpr double kDesignDesktopPoints = 9.0;

    /// fontScale: the desktop's font size over kDesignDesktopPoints.
    explicit DesignLayout(double logicalDpi = 96.0, double fontScale = 1.0);

    /// The desktop's font size over the design's, from the application's font.
    static double desktopFontScale();

    int px(double twips) const;
    double twips(int pixels) const;
    /// Left, top, width, height in twips; a size of 0 keeps the control's own size hint.
    void place(QWidget* widget, int left, int top, int width = 0, int height = 0) const;

    /// A design font of `points`, as large as the desktop's font makes it.
    QFont arial(double points, bool bold = false, bool italic = false, bool underline = false) const;

private:
    double m_scale;
    double m_fontScale;
};
