#include "print/job/WrapTape.h"

#include "common/Numeric.h"
#include "print/page/PageUnits.h"
#include "print/page/PrintSurface.h"
#include "print/sheets/StripFit.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr double kRowTop = 750;
constexpr double kNumberGap = 40; // from the longest tick to its number
constexpr float kNumberPoints = 10;
constexpr double kCaptionDrop = 400; // from the numbers to the caption's row
constexpr int kTicksPerMm = 1;
constexpr int kTicksPerInch = 20;
constexpr int kTicksPerMiddle = 5;
// A division's ticks are counted from the division's start, never added up: rounding stays below
// a thousandth of a twip over any length the tape accepts.
constexpr double kWhole = 1e-9;

QString label()
{
    return QCoreApplication::translate("WrapTape", "Wrap tape");
}

} // namespace

double TapeLength::millimetres() const
{
    return inches ? entry * kMmPerInch : entry;
}

QString TapeLength::text() const
{
    return numeric::generalForm(entry) + (inches ? QStringLiteral(" in") : QStringLiteral(" mm"));
}

std::variant<QString, TapeLength> TapeLength::read(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d*[.,]?\\d+)\\s*(mm|in)\\s*$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(numeric::latinDigits(text));
    const double value = match.hasMatch()
        ? match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble()
        : std::nan("");
    if (!std::isfinite(value))
        return QCoreApplication::translate(
            "WrapTape", "Wrap tape: '%1' is not a length; give it with its unit, for example 1000mm or 40in.")
            .arg(text);
    return TapeLength { value, match.captured(2).toLower() == QStringLiteral("in") };
}

WrapTape::WrapTape(const TapeLength& length)
    : m_length(length)
{ }

StripGeometry WrapTape::geometry() const
{
    const double divisionMm = m_length.inches ? kMmPerInch : 10;
    StripGeometry strip;
    strip.left = kStripLeft;
    strip.divisions = std::max(1, static_cast<int>(std::ceil(m_length.millimetres() / divisionMm - kWhole)));
    strip.length = strip.divisions * divisionMm * kTwipsPerMm;
    strip.unitsPerDivision = 1;
    strip.unit = m_length.inches ? QStringLiteral("in") : QStringLiteral("cm");
    return strip;
}

int WrapTape::ticks() const
{
    const double perMm = m_length.inches ? kTicksPerInch / kMmPerInch : kTicksPerMm;
    return static_cast<int>(std::floor(m_length.millimetres() * perMm + kWhole)) + 1;
}

std::variant<QString, SheetRequest> WrapTape::check(const SheetFormat& format) const
{
    const QString units = m_length.inches ? QCoreApplication::translate("PrintJob", "inches")
                                          : QCoreApplication::translate("PrintJob", "mm");
    const double unit = m_length.inches ? kMmPerInch : 1;
    if (m_length.millimetres() < kShortestMm - kWhole) {
        const double shortest = std::ceil(kShortestMm / unit * 10) / 10;
        return QCoreApplication::translate("PrintJob", "%1 size must be at least %2 %3")
            .arg(label(), numeric::generalForm(shortest), units);
    }
    // Segments of two divisions at least, as any split strip.
    const double divisionTw = unit * (m_length.inches ? 1 : 10) * kTwipsPerMm;
    const bool splits = 2 * divisionTw <= stripfit::maximumForSplit(kStripLeft, 2, format);
    const double longest = splits ? std::floor(kLongestMm / unit) : 0;
    if (m_length.millimetres() > longest * unit + kWhole)
        return QCoreApplication::translate("PrintJob", "%1 max. length is %2 %3 for split strips.")
            .arg(label(), numeric::generalForm(longest), units);
    SheetRequest request;
    request.format = format;
    request.inches = m_length.inches;
    request.splitLongStrips = true;
    request.circle = QCoreApplication::translate("WrapTape", "Wrap tape %1").arg(m_length.text());
    return request;
}

void WrapTape::draw(PrintSurface& surface, const SheetRequest& request) const
{
    const StripGeometry strip = geometry();
    const int perDivision = m_length.inches ? kTicksPerInch : 10 * kTicksPerMm;
    const double divisionTw = strip.length / strip.divisions;
    const int count = ticks();
    const double lengthTw = (count - 1) * divisionTw / perDivision;

    PageRow row;
    row.top = kRowTop;
    row.strip = strip;
    surface.beginRow(row);
    surface.setDrawWidth(1);
    surface.setForeColor(kBlack);
    surface.line(LineFlags::Stroke, kStripLeft, kRowTop, static_cast<float>(lengthTw), 0, kBlack);
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(kNumberPoints);
    for (int i = 0; i < count; ++i) {
        const int division = i / perDivision;
        const int within = i % perDivision;
        const double x = kStripLeft + division * divisionTw + within * divisionTw / perDivision;
        const double tick = within == 0     ? kLongTick
            : within % kTicksPerMiddle == 0 ? kMiddleTick
                                            : kShortTick;
        surface.line(LineFlags::Stroke, static_cast<float>(x), kRowTop, 0, static_cast<float>(tick), kBlack);
        if (within != 0)
            continue;
        const QString number = QString::number(division);
        surface.setCurrentX(static_cast<float>(x - surface.textWidth(number) / 2));
        surface.setCurrentY(static_cast<float>(kRowTop + kLongTick + kNumberGap));
        surface.print(number);
    }

    // Its name and size, also on a tape that fits one sheet and so has no sheet line.
    PageRow caption;
    caption.top = kRowTop + kLongTick + kNumberGap + kCaptionDrop;
    surface.beginRow(caption);
    surface.setFontSize(kNumberPoints);
    surface.setCurrentX(kStripLeft);
    surface.setCurrentY(static_cast<float>(caption.top));
    surface.print(request.circle);
    surface.endDoc();
}
