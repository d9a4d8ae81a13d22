#include "print/job/JobPage.h"

#include "common/Numeric.h"
#include "print/job/CaptionLine.h"
#include "print/job/MarkOptions.h"
#include "print/job/ScaleDrawing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr int kHours = 24;
constexpr int kTenDegreeDivisions = 36;
constexpr qint32 kRowStep = 750; // from one strip or card row to the next
constexpr qint32 kBlackBoxHeight = 600;
constexpr qint32 kFirstCardLeft = 1000;
constexpr qint32 kCardStep = 1000;
constexpr float kCardSize = 500;
constexpr float kCardHalf = 250;
constexpr qint32 kCardTextIndent = 20;
constexpr float kCaptionLeft = 2200;
constexpr float kCaptionBesideCards = kFirstCardLeft + kCardStep + kCardSize + 200;
constexpr qint32 kCaptionDrop = 250;
constexpr float kCaptionFontSize = 10;
constexpr qint32 kSetGap = 500;
constexpr qint16 kOtherWaySmaller = 2; // points less for the second number row
constexpr qint16 kSmallestFontSize = 4;
constexpr double kVernierBoxLead = 250; // black before a white vernier's zero and after its reading
constexpr double kSmallDivisionsPerHourStrip = 144; // every 10 minutes
constexpr double kDegreesPerHour = 15;
constexpr double kDegreesPerLongDivision = 10;

bool hours(const JobMode& mode)
{
    return mode.caption == CaptionStyle::Hours;
}

// Half marks halve the degree: with 5-degree marks they are not drawn.
bool halfMarks(const JobSettings& settings)
{
    return settings.halfDegree && settings.smallestMark == 1;
}

const ArcRange* arcOf(const JobSettings& settings)
{
    return std::get_if<ArcRange>(&settings.arc);
}

double longDivision(const JobMode& mode)
{
    return hours(mode) ? kDegreesPerHour : kDegreesPerLongDivision;
}

// An arc's strip starts a long division or more before the arc, so that no end of the strip, and
// none of its split end numbers, falls in it; "Zero at" has no say there.
double zeroDegrees(const JobSettings& settings, const JobMode& mode)
{
    if (const ArcRange* arc = arcOf(settings)) {
        const double division = longDivision(mode);
        const double zero = (std::floor(arc->start / division) - 1) * division;
        return zero < 0 ? zero + 360 : zero;
    }
    return settings.zeroAt.value_or(0);
}

// Where the strip's left end stands, in long divisions from the circle's zero.
double startDivision(const JobSettings& settings, const JobMode& mode)
{
    return zeroDegrees(settings, mode) / longDivision(mode);
}

} // namespace

JobPage::JobPage(const JobSettings& settings, const JobMode& mode, const StripSize& size,
    const std::optional<SheetFormat>& paper)
    : m_settings(settings)
    , m_mode(mode)
    , m_size(size)
    , m_paper(paper)
{ }

StripGeometry JobPage::geometry(const JobMode& mode, double lengthTw, double zeroDegrees)
{
    StripGeometry strip;
    strip.zeroAt = hours(mode) ? zeroDegrees / kDegreesPerHour : zeroDegrees;
    strip.left = kStripLeft;
    strip.length = lengthTw;
    if (mode.caption == CaptionStyle::Hours) {
        strip.divisions = kHours;
        strip.unitsPerDivision = 1;
        strip.unit = QStringLiteral("h");
    } else {
        strip.divisions = kTenDegreeDivisions;
        strip.unitsPerDivision = 10;
        strip.unit = QStringLiteral("\u00B0");
    }
    return strip;
}

PagePosition JobPage::draw(PrintSurface& surface) const
{
    // The opening blank line is printed in points; everything after it in twips.
    surface.setJobStart(static_cast<qint16>(ScaleMode::Points));
    surface.print(QStringLiteral(" "));
    surface.setJobStart(static_cast<qint16>(ScaleMode::Twips));
    surface.setDrawWidth(1);
    PagePosition cursor;

    bool nothingPrinted = true;
    for (const CircleSetSettings& set : m_settings.sets) {
        if (!set.enabled)
            continue;
        const StripInputs inputs = stripInputs(set);
        nothingPrinted = false;
        cursor = printSet(surface, cursor, inputs);

        const qint32 captionTop = numeric::checkedAdd(cursor.printY, kCaptionDrop);
        // The caption shares the row of the index cards; without cards it is a row of its own.
        if (!m_settings.blackOnWhite && !m_settings.whiteOnBlack)
            beginRow(surface, captionTop);
        surface.setForeColor(kBlack);
        surface.setFontSize(kCaptionFontSize);
        // Clear of the second card when both stand side by side.
        const bool twoCards = m_settings.blackOnWhite && m_settings.whiteOnBlack;
        const float captionBottom = printCaption(surface, twoCards ? kCaptionBesideCards : kCaptionLeft,
            static_cast<float>(captionTop),
            m_paper ? m_paper->paper.printableWidth() / m_paper->factorAcross()
                    : std::numeric_limits<double>::infinity(),
            caption(inputs));
        if (m_settings.verniers) {
            // Below a caption of more lines than its row has room for (two).
            cursor.printY = std::max(cursor.printY, numeric::toInt32(std::ceil(captionBottom)) - kRowStep);
            cursor = printVerniers(surface, cursor, inputs);
        }
        cursor.printY = numeric::checkedAdd(cursor.printY, kSetGap);
    }
    if (!nothingPrinted)
        surface.endDoc();
    return cursor;
}

StripInputs JobPage::stripInputs(const CircleSetSettings& set) const
{
    StripInputs inputs;
    inputs.lengthTw = m_size.lengthTw();
    inputs.smallestMark = m_settings.smallestMark;
    inputs.topLayout = set.topLayout;
    inputs.smallMark = set.slider(Slider::SmallMark);
    inputs.fiveMark = set.slider(Slider::FiveMark);
    inputs.tenMark = set.slider(Slider::TenMark);
    const qint16 circleWidth = numeric::checkedInt16(set.slider(Slider::CircleWidth));
    inputs.heightSmall = circleWidth;
    inputs.heightFive = numeric::checkedInt16(2 * static_cast<qint64>(circleWidth));
    inputs.heightTen = numeric::toInt16(2.5 * circleWidth);
    inputs.fontSize = numeric::checkedInt16(set.slider(Slider::Font));
    if (m_settings.bothWays && !m_mode.otherWay.empty()) {
        inputs.otherWay = m_mode.otherWay;
        inputs.otherWayFontSize = std::max<qint16>(kSmallestFontSize, inputs.fontSize - kOtherWaySmaller);
    }
    if (halfMarks(m_settings))
        inputs.heightHalf = markoptions::halfMarkHeight(inputs.heightSmall);
    const double start = startDivision(m_settings, m_mode);
    if (start != 0) {
        inputs.shift = zeroDegrees(m_settings, m_mode) / 360 * inputs.lengthTw;
        inputs.numbersOffset = markoptions::numberOffset(start);
        if (!inputs.otherWay.empty())
            inputs.otherWay = markoptions::turnedNumbers(inputs.otherWay, start);
    }
    return inputs;
}

PagePosition JobPage::printSet(PrintSurface& surface, PagePosition cursor, const StripInputs& set) const
{
    const bool blackOnWhite = m_settings.blackOnWhite;
    const bool whiteOnBlack = m_settings.whiteOnBlack;
    const auto stripRow = [&](Rgb ink) {
        cursor.printX = kStripLeft;
        cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
        StripGeometry strip = geometry(m_mode, set.lengthTw, zeroDegrees(m_settings, m_mode));
        if (const ArcRange* arc = arcOf(m_settings)) {
            const double zero = zeroDegrees(m_settings, m_mode);
            strip.arcStart = std::fmod(arc->start - zero + 360, 360) / 360 * set.lengthTw;
            strip.arcLength = arc->span / 360 * set.lengthTw;
            strip.arcLabel = arcText();
            strip.arcReadings = { arc->from, arc->rate, arc->wrap };
        }
        beginRow(surface, cursor.printY, strip);
        cursor = drawStrip(surface, cursor, set, ink);
    };
    if (blackOnWhite)
        stripRow(kBlack);
    if (whiteOnBlack)
        stripRow(kWhite);
    if (whiteOnBlack) {
        surface.setDrawWidth(numeric::checkedInt16(set.tenMark));
        cursor.printX = kFirstCardLeft;
        cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
        beginRow(surface, cursor.printY);
        printCard(surface, cursor, kWhite, kBlack);
    }
    if (blackOnWhite) {
        cursor.printX = numeric::checkedAdd(cursor.printX, kCardStep);
        // Beside the white-on-black card when there is one, otherwise in a row of its own.
        if (!whiteOnBlack) {
            cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
            beginRow(surface, cursor.printY);
        }
        printCard(surface, cursor, kBlack, kWhite);
    }
    return cursor;
}

PagePosition JobPage::drawStrip(PrintSurface& surface, PagePosition cursor, StripInputs strip, Rgb ink) const
{
    strip.markColor = ink;
    surface.setForeColor(ink);
    if (ink == kWhite) {
        // Drawn with whatever pen the previous strip or card left, tall enough for a second row.
        const qint32 boxHeight = numeric::checkedAdd(kBlackBoxHeight, otherWayRowHeight(surface, strip));
        surface.line(LineFlags::FilledBox, static_cast<float>(cursor.printX),
            static_cast<float>(cursor.printY), static_cast<float>(strip.lengthTw),
            static_cast<float>(boxHeight), kBlack);
    }
    return m_mode.draw(surface, cursor, strip,
        markoptions::turnedNumbers(m_mode.numbers, startDivision(m_settings, m_mode)));
}

void JobPage::printCard(PrintSurface& surface, PagePosition cursor, Rgb ink, Rgb paper) const
{
    const auto x = static_cast<float>(cursor.printX);
    const auto y = static_cast<float>(cursor.printY);
    surface.setForeColor(ink);
    surface.line(LineFlags::FilledBox, x, y, kCardSize, kCardSize, paper);
    surface.line(LineFlags::Stroke, x + kCardHalf, y + kCardHalf, 0, kCardHalf, ink);
    surface.setCurrentX(static_cast<float>(numeric::checkedAdd(cursor.printX, kCardTextIndent)));
    surface.setCurrentY(y);
    surface.print(m_mode.cardText);
}

Vernier JobPage::vernier(const StripInputs& strip) const
{
    Vernier v;
    // Half marks make the smallest division the half one.
    const double halves = halfMarks(m_settings) ? 2 : 1;
    const double smallSpacing = hours(m_mode) ? strip.lengthTw / kSmallDivisionsPerHourStrip / halves
                                              : strip.lengthTw * strip.smallestMark / 360 / halves;
    v.division = 9 * smallSpacing / Vernier::kDivisions;
    if (hours(m_mode))
        v.reading = halves == 2 ? QCoreApplication::translate("PrintJob", "30 s")
                                : QCoreApplication::translate("PrintJob", "1 min");
    else
        v.reading = numeric::generalForm(strip.smallestMark / halves / Vernier::kDivisions)
            + QStringLiteral("\u00B0");
    return v;
}

PagePosition JobPage::printVerniers(PrintSurface& surface, PagePosition cursor, const StripInputs& set) const
{
    // One row each, below the cards and caption, in the order and ink of the strips.
    const Vernier scale = vernier(set);
    StripInputs strip = set;
    strip.otherWay.clear();
    for (const bool white : { false, true }) {
        if (!(white ? m_settings.whiteOnBlack : m_settings.blackOnWhite))
            continue;
        cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
        StripGeometry geometry;
        geometry.left = Vernier::kLeft;
        geometry.length = scale.length();
        geometry.divisions = Vernier::kDivisions;
        geometry.unitsPerDivision = 1;
        geometry.tail = vernierTail(surface, strip, scale);
        geometry.circleLength = set.lengthTw;
        beginRow(surface, cursor.printY, geometry);
        strip.markColor = white ? kWhite : kBlack;
        surface.setForeColor(strip.markColor);
        if (white) {
            surface.line(LineFlags::FilledBox, static_cast<float>(Vernier::kLeft - kVernierBoxLead),
                static_cast<float>(cursor.printY),
                static_cast<float>(scale.length() + geometry.tail + 2 * kVernierBoxLead),
                static_cast<float>(kBlackBoxHeight), kBlack);
        }
        cursor = drawVernier(surface, cursor, strip, scale);
    }
    return cursor;
}

void JobPage::beginRow(PrintSurface& surface, qint32 top, std::optional<StripGeometry> strip)
{
    PageRow row;
    row.top = top;
    row.strip = std::move(strip);
    surface.beginRow(row);
}

QString JobPage::arcText() const
{
    const ArcRange* arc = arcOf(m_settings);
    if (arc == nullptr)
        return {};
    const ArcCircle circle = hours(m_mode) ? ArcCircle::Hours : ArcCircle::Altitude;
    return arcrange::readingText(arc->from, circle) + QLatin1Char('-')
        + arcrange::readingText(arc->to, circle);
}

QString JobPage::caption(const StripInputs& inputs) const
{
    CaptionLine line;
    line.circleLabel = m_mode.captionLabel.isEmpty() ? m_mode.circleLabel : m_mode.captionLabel;
    line.hours = m_mode.caption == CaptionStyle::Hours;
    line.length = m_size.inches ? m_size.sizeMm / kMmPerInch : m_size.sizeMm;
    if (m_size.ring)
        line.ringDiameter = m_size.diameter ? m_size.entry : m_size.entry / std::numbers::pi;
    line.units = m_size.units;
    if (m_settings.verniers)
        line.vernier = vernier(inputs).reading;
    if (halfMarks(m_settings))
        line.halfMarks = true;
    if (const ArcRange* arc = arcOf(m_settings)) {
        line.arc = arcText();
        const double whole = m_size.inches ? m_size.sizeMm / kMmPerInch : m_size.sizeMm;
        line.arcLength = whole * arc->span / 360;
    } else if (const double zero = zeroDegrees(m_settings, m_mode); zero != 0)
        line.zeroAt = hours(m_mode) ? numeric::generalForm(zero / kDegreesPerHour) + QStringLiteral("h")
                                    : numeric::generalForm(zero) + QStringLiteral("\u00B0");
    if (m_paper && !m_paper->factors.isIdentity())
        line.printerScale = m_paper->factorAcross();
    return line.text(inputs);
}
