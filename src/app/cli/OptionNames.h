#pragma once

#include <QString>

/// The command line's option names, as typed after "--", in one place for the parser of the file
/// commands and the parser of the circle's options.
namespace optionname {

inline const QString kPrintPdf = QStringLiteral("print-pdf");
inline const QString kSvg = QStringLiteral("svg");
inline const QString kDxf = QStringLiteral("dxf");
inline const QString kStrokes = QStringLiteral("strokes");
inline const QString kSettings = QStringLiteral("settings");
inline const QString kPaper = QStringLiteral("paper");
inline const QString kLandscape = QStringLiteral("landscape");
inline const QString kAltitude = QStringLiteral("altitude");
inline const QString kAzimuth = QStringLiteral("azimuth");
inline const QString kSize = QStringLiteral("size");
inline const QString kLength = QStringLiteral("length");
inline const QString kRa = QStringLiteral("ra");
inline const QString kDecreasing = QStringLiteral("decreasing");
inline const QString kSplit = QStringLiteral("split");
inline const QString kRing = QStringLiteral("ring");
inline const QString kVerniers = QStringLiteral("verniers");
inline const QString kBothWays = QStringLiteral("both-ways");
inline const QString kScaleCheck = QStringLiteral("scale-check");
inline const QString kHalfDegree = QStringLiteral("half-degree");
inline const QString kSignedDec = QStringLiteral("signed-dec");
inline const QString kZeroAt = QStringLiteral("zero-at");
inline const QString kClosingTab = QStringLiteral("closing-tab");
inline const QString kTape = QStringLiteral("tape");
inline const QString kProof = QStringLiteral("proof");
inline const QString kRingFromCentre = QStringLiteral("ring-from-centre");
inline const QString kArc = QStringLiteral("arc");

} // namespace optionname
