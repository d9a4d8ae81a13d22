#pragma once

/// The units a page is drawn in, and the ones the strips were always measured in.
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;
/// Not 1440 / 25.4: every strip length and the scale bars that check them were computed with
/// 56.7 twips to the millimetre, and the printer-scale factors correct exactly that.
constexpr double kTwipsPerMm = 56.7;
constexpr double kMmPerInch = 25.4;

/// Pen widths are dots of a 600 dpi printer on every device, so a page looks the same everywhere.
constexpr double kPenDotsPerInch = 600.0;
constexpr double kTwipsPerDot = kTwipsPerInch / kPenDotsPerInch;

/// The left edge of every strip and of the scale check that lines up with them.
constexpr int kStripLeft = 100;
