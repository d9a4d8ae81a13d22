#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

class QCommandLineParser;
class SettingsModel;

/// The command line's choices for the printed circle, over what the settings file says: its size
/// with a unit, whether that is a strip length, RA or degrees, the direction of the azimuth
/// numbers, and the page options: splitting, rings, verniers, numbers both ways, the scale check,
/// half-degree marks, signed declination, the reading the strip starts at, the closing tab and the arc.
struct CircleOptions {
    std::optional<QString> sizeNumber; ///< the number of --size, in the locale's notation
    bool inches = false; ///< the unit of --size
    bool length = false;
    bool ra = false;
    bool decreasing = false;
    bool split = false;
    bool ring = false;
    bool verniers = false;
    bool bothWays = false;
    bool scaleCheck = false;
    bool halfDegree = false;
    bool signedDec = false;
    bool closingTab = false;
    bool ringFromCentre = false;
    std::optional<QString> zeroAt; ///< degrees, as typed
    std::optional<std::pair<QString, QString>> arc; ///< From and To of --arc FROM:TO, as typed

    static QList<QCommandLineOption> options();
    /// True when any of them was given.
    static bool anyGiven(const QCommandLineParser& parser);
    /// The options as parsed; what is wrong, in one line, when they can't be used for the circle.
    static CircleOptions read(const QCommandLineParser& parser, bool azimuth, QString& error);
    /// A size as typed after --size: a number with "." or "," for decimals, then "mm" or "in".
    static std::optional<CircleOptions> parseSize(const QString& text);

    /// Sets the chosen circle's controls as the options say; the others keep their values.
    void applyTo(SettingsModel& model, bool azimuth) const;
};
