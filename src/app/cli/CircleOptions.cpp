#include "app/cli/CircleOptions.h"

#include "app/cli/OptionNames.h"
#include "common/Numeric.h"
#include "settings/SettingsModel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

using namespace optionname;

QList<QCommandLineOption> CircleOptions::options()
{
    return { { kSize, QString(), QStringLiteral("VALUE") }, { kLength, QString() }, { kRa, QString() },
        { kDecreasing, QString() }, { kSplit, QString() }, { kRing, QString() }, { kVerniers, QString() },
        { kBothWays, QString() }, { kScaleCheck, QString() }, { kHalfDegree, QString() },
        { kSignedDec, QString() }, { kZeroAt, QString(), QStringLiteral("N") }, { kClosingTab, QString() },
        { kRingFromCentre, QString() }, { kArc, QString(), QStringLiteral("FROM:TO") } };
}

bool CircleOptions::anyGiven(const QCommandLineParser& parser)
{
    for (const QString& name : { kSize, kLength, kRa, kDecreasing, kSplit, kRing, kVerniers, kBothWays,
             kScaleCheck, kHalfDegree, kSignedDec, kZeroAt, kClosingTab, kRingFromCentre, kArc }) {
        if (parser.isSet(name))
            return true;
    }
    return false;
}

std::optional<CircleOptions> CircleOptions::parseSize(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d*[.,]?\\d+)\\s*(mm|in)\\s*$"), QRegularExpression::CaseInsensitiveOption);
    // Digits and decimal separator may be the locale's own (Arabic, Persian, Devanagari...).
    const QRegularExpressionMatch match = pattern.match(numeric::latinDigits(text));
    if (!match.hasMatch())
        return std::nullopt;
    CircleOptions size;
    // The size box reads the locale's notation, whichever separator was typed here.
    QString number = match.captured(1);
    number.replace(QRegularExpression(QStringLiteral("[.,]")), QLocale().decimalPoint());
    size.sizeNumber = number;
    size.inches = match.captured(2).toLower() == QStringLiteral("in");
    return size;
}

CircleOptions CircleOptions::read(const QCommandLineParser& parser, bool azimuth, QString& error)
{
    CircleOptions circle;
    if (parser.isSet(kSize)) {
        const std::optional<CircleOptions> size = parseSize(parser.value(kSize));
        if (!size) {
            error = QCoreApplication::translate(
                "CommandLine", "--size needs a number and its unit, for example 450mm or 3.5in, not '%1'.")
                        .arg(parser.value(kSize));
            return circle;
        }
        circle = *size;
        if (!numeric::parseDecimal(*circle.sizeNumber)) {
            error = QCoreApplication::translate("CommandLine", "--size: the number is too large.");
            return circle;
        }
    }
    circle.length = parser.isSet(kLength);
    circle.ra = parser.isSet(kRa);
    circle.decreasing = parser.isSet(kDecreasing);
    circle.split = parser.isSet(kSplit);
    circle.ring = parser.isSet(kRing);
    circle.verniers = parser.isSet(kVerniers);
    circle.bothWays = parser.isSet(kBothWays);
    circle.scaleCheck = parser.isSet(kScaleCheck);
    circle.halfDegree = parser.isSet(kHalfDegree);
    circle.signedDec = parser.isSet(kSignedDec);
    circle.closingTab = parser.isSet(kClosingTab);
    circle.ringFromCentre = parser.isSet(kRingFromCentre);
    if (parser.isSet(kZeroAt))
        circle.zeroAt = parser.value(kZeroAt); // the job refuses what the box would
    if (parser.isSet(kArc)) {
        // Two values, split at the one colon; the job's check reads them as the boxes would.
        const QStringList ends = parser.value(kArc).split(QLatin1Char(':'));
        if (ends.size() != 2 || ends[0].trimmed().isEmpty() || ends[1].trimmed().isEmpty()) {
            error = QCoreApplication::translate(
                "CommandLine", "--arc needs two values, FROM:TO, for example 0:90 or 350:10, not '%1'.")
                        .arg(parser.value(kArc));
            return circle;
        }
        circle.arc = std::make_pair(ends[0], ends[1]);
    }
    if (!azimuth && (circle.ra || circle.decreasing))
        error = QCoreApplication::translate("CommandLine", "--ra and --decreasing go with --azimuth.");
    if (circle.ra && circle.decreasing)
        error = QCoreApplication::translate(
            "CommandLine", "--decreasing goes with the azimuth circle in degrees: RA hours always increase.");
    if (azimuth && circle.signedDec)
        error = QCoreApplication::translate("CommandLine", "--signed-dec goes with --altitude.");
    return circle;
}

void CircleOptions::applyTo(SettingsModel& model, bool azimuth) const
{
    if (sizeNumber) {
        model.setText(azimuth ? SizeText::Azimuth : SizeText::Altitude, *sizeNumber);
        if (azimuth)
            model.setOption(inches ? Option::Azin : Option::Azmm, true);
        else
            model.setOption(inches ? Option::Altin : Option::Altmm, true);
        if (!length)
            model.setOption(azimuth ? Option::AzDia : Option::AltDia, true);
    }
    if (length)
        model.setOption(azimuth ? Option::AzLen : Option::AltLen, true);
    if (ra)
        model.setOption(Option::Ra, true);
    if (decreasing)
        model.setCheck(Check::AzCT, SettingsModel::kUnchecked);
    const auto check = [&model](bool given, Check box) {
        if (given)
            model.setCheck(box, SettingsModel::kChecked);
    };
    check(split, Check::SplitLong);
    check(ring, Check::Rings);
    check(verniers, Check::Verniers);
    check(bothWays, Check::BothWays);
    check(scaleCheck, Check::ScaleCheck);
    check(halfDegree, Check::HalfDeg);
    check(signedDec, Check::SignedDec);
    check(closingTab, Check::ClosingTab);
    check(ringFromCentre, Check::RingFromCentre);
    if (zeroAt)
        model.setText(SizeText::ZeroAt, *zeroAt);
    if (arc) {
        model.setText(SizeText::ArcFrom, arc->first);
        model.setText(SizeText::ArcTo, arc->second);
    }
}
