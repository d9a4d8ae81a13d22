#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace e2e {

enum class Graduation { Altitude, Azimuth, Ra };

/// The slider and layout values of one enabled circle set (widths in dots, heights in twips).
struct CircleSetValues {
    bool onTop = true;
    int smallMark = 2;
    int fiveMark = 3;
    int tenMark = 3;
    int circleWidth = 100;
    int fontSize = 10;
};

/// What one printed page is made of: a strip length, a graduation, and the enabled circle sets in
/// print order, each printed in both styles; captions are given literally, one per set.
struct PageSettings {
    Graduation graduation = Graduation::Altitude;
    double lengthTwips = 0;
    double smallestMark = 1;
    bool numbersIncrease = true; ///< azimuth only
    std::vector<CircleSetValues> sets;
    QStringList captions;
};

struct ExpectedSegment {
    double x = 0;
    double y1 = 0; ///< top end
    double y2 = 0; ///< bottom end
    int dots = 1;
    qint64 colour = 0;
};

struct ExpectedBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    qint64 colour = 0; ///< fill and edge
    int dots = 1; ///< edge width
};

struct ExpectedText {
    QString text;
    double left = 0;
    /// Extra room for a left edge that the program rounds from a measured text width: where the
    /// unrounded edge lies within a rounding error of a half, it may go to either whole twip.
    double leftSlack = 0;
    double top = 0;
    double points = 0;
    qint64 colour = 0;
};

/// Where the page's marks, boxes and texts belong, in twips from the printable area's top-left,
/// worked out from the layout rules alone and the font's design metrics (Arial's, which Liberation
/// Sans shares). Texts and boxes are in drawing order; the opening blank line is left out.
struct ExpectedPage {
    std::vector<ExpectedSegment> segments;
    std::vector<ExpectedBox> boxes;
    std::vector<ExpectedText> texts;

    static ExpectedPage of(const PageSettings& settings);

    /// The numbers of one strip, left to right.
    static std::vector<int> scaleNumbers(const PageSettings& settings);
    /// Advance of one digit, the same for every digit, in twips.
    static double digitWidth(int points);
    /// Ascent plus descent, in twips.
    static double textHeight(int points);
};

} // namespace e2e
