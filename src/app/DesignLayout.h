#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

/// Places controls at their design positions, given in twips (15 twips to the pixel at 96 dpi,
/// scaled with the screen's DPI), and makes the window's Arial fonts.
class DesignLayout {
public:
    static constexpr double kTwipsPerPixelAt96Dpi = 15.0;

    explicit DesignLayout(double logicalDpi = 96.0);

    int px(double twips) const;
    double twips(int pixels) const;
    /// Left, top, width, height in twips; a size of 0 keeps the control's own size hint.
    void place(QWidget* widget, int left, int top, int width = 0, int height = 0) const;

    static QFont arial(double points, bool bold = false, bool italic = false, bool underline = false);

private:
    double m_scale;
};
