#include "print/job/PrintJob.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"
#include "print/job/CaptionLine.h"
#include "print/job/Vernier.h"
#include "print/sheets/StripFit.h"
#include "settings/StatusLine.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>

namespace {

constexpr double kTwipsPerMm = 56.7;
constexpr double kMmPerInch = 25.4;
constexpr double kPi = 3.14; // as strips have always been measured; a finer pi would change their length

constexpr qint16 kMinDiameterMm = 60;
constexpr qint16 kMinLengthMm = 200;
constexpr qint16 kMinDiameterInches = 2;
constexpr qint16 kMinLengthInches = 7;

constexpr qint32 kStripLeft = 100;
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
constexpr int kPrinterErrorNumber = 482;
constexpr int kHours = 24;
constexpr qint16 kOtherWaySmaller = 2; // points less for the second number row
constexpr qint16 kSmallestFontSize = 4;
constexpr double kVernierBoxLead = 250; // black before a white vernier's zero and after its reading
constexpr double kSmallDivisionsPerHourStrip = 144; // every 10 minutes
constexpr int kTenDegreeDivisions = 36;

const QString kNotNumeric = QStringLiteral("Must be numeric.");
const QString kPrintError = QStringLiteral("Print function error.");
const QString kCannotSelectPrinter = QStringLiteral("Cannot select a printer: ");

QString describe(const std::exception& error)
{
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        return runtime->description();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

PrintJob::PrintJob(const SettingsModel& model, StatusLine& status, JobHost& host, const Entry& entry)
    : m_settings(JobSettings::read(model, entry.sizeText))
    , m_status(status)
    , m_host(host)
    , m_entry(entry)
{ }

PagePosition PrintJob::run()
{
    if (m_settings.size.isEmpty())
        return {};

    try {
        m_host.selectPrinter();
        if (m_host.printCancelled())
            return {};
    } catch (const std::exception& error) {
        // No printer at all, or the print system is down: nothing to print on.
        showError(kCannotSelectPrinter + describe(error));
        return {};
    }

    Mode job;
    Size size;
    SheetFormat format;
    double lengthTw = 0;
    std::unique_ptr<PrintSurface> surface;
    try {
        job = mode();
        if (m_entry.statusBeforeConversion)
            showProgress(job.progress);
        size = readSize();
        if (!m_entry.statusBeforeConversion)
            showProgress(job.progress);

        if (size.entry < size.minSize) {
            showError(job.circleLabel + QStringLiteral(" size must be at least ")
                + QString::number(size.minSize) + QLatin1Char(' ') + size.units);
            focusEntry();
            return {};
        }

        format = m_host.sheetFormat();
        surface = m_host.openSurface(sheetRequest(format, size));
        if (!surface)
            throw RuntimeError::invalidPropertyValue();
        lengthTw = size.sizeMm * kTwipsPerMm;
        if (const std::optional<QString> refusal = widthRefusal(job, size, format, lengthTw)) {
            showError(*refusal);
            focusEntry();
            return {};
        }
    } catch (const std::exception& error) {
        // A printer that fails before anything is drawn is a print failure, not a bad entry.
        if (const auto* failure = dynamic_cast<const RuntimeError*>(&error);
            failure != nullptr && failure->number() == kPrinterErrorNumber) {
            showError(kPrintError);
            return {};
        }
        showError(kNotNumeric);
        focusEntry();
        return {};
    }

    PagePosition cursor;
    try {
        cursor = printPage(*surface, job, size, format, lengthTw);
    } catch (const std::exception&) {
        try {
            surface->killDoc();
        } catch (const std::exception&) {
            // Abandoning is all that is left to do; the message below says it failed.
        }
        showError(kPrintError);
        return {};
    }
    m_status.setText(QString());
    focusEntry();
    return cursor;
}

SheetRequest PrintJob::sheetRequest(const SheetFormat& format, const Size& size) const
{
    SheetRequest request;
    request.format = format;
    request.inches = size.inches;
    request.splitLongStrips = m_settings.splitLongStrips;
    request.scaleCheck = m_settings.scaleCheck;
    return request;
}

std::optional<QString> PrintJob::widthRefusal(
    const Mode& mode, const Size& size, const SheetFormat& format, double lengthTw) const
{
    const auto maximum = [&](double twips, const QString& what) {
        double length = twips / kTwipsPerMm;
        if (size.inches)
            length /= kMmPerInch;
        return mode.circleLabel + QStringLiteral(" max. length is ") + numeric::fixedOneDecimal(length)
            + QLatin1Char(' ') + size.units + what;
    };
    if (m_settings.splitLongStrips) {
        // Split into segments of at least two long divisions, or not at all.
        const StripGeometry strip = geometry(mode, lengthTw);
        if (lengthTw > stripfit::maximumForSplit(strip.left, strip.divisions, format))
            return maximum(stripfit::maximumForSplit(strip.left, strip.divisions, format),
                QStringLiteral(" for split strips."));
        return std::nullopt;
    }
    if (!stripfit::fitsPageWidth(lengthTw, format))
        return maximum(stripfit::maximumForPageWidth(format), QStringLiteral(" for current page width."));
    // Shorter than the paper but past the printable area: its last degrees would be lost.
    if (!stripfit::fitsPrintableWidth(lengthTw, kStripLeft, format))
        return maximum(stripfit::maximumForPrintableWidth(kStripLeft, format),
            QStringLiteral(" for the printable width."));
    return std::nullopt;
}

StripGeometry PrintJob::geometry(const Mode& mode, double lengthTw)
{
    StripGeometry strip;
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

void PrintJob::showProgress(const QString& text)
{
    m_status.show(StatusLine::kStatusColor, text);
    m_host.processPendingEvents();
}

void PrintJob::showError(const QString& text)
{
    m_status.show(StatusLine::kErrorColor, text);
}

void PrintJob::focusEntry()
{
    m_host.focusSizeText(m_entry.sizeText);
}

PrintJob::Size PrintJob::readSize() const
{
    const auto entry = numeric::parseNumber(m_settings.size);
    if (!entry)
        throw RuntimeError::typeMismatch();

    Size size;
    size.entry = *entry;
    // One decision for unit, minimum, page-width message and caption, even when a restored file
    // left neither unit option selected.
    size.inches = !m_settings.millimetres;
    const bool diameter = !m_settings.length;
    if (size.inches) {
        size.units = QStringLiteral("inches");
        size.sizeMm = size.entry * kMmPerInch;
        size.minSize = diameter ? kMinDiameterInches : kMinLengthInches;
    } else {
        size.units = QStringLiteral("mm");
        size.sizeMm = size.entry;
        size.minSize = diameter ? kMinDiameterMm : kMinLengthMm;
    }
    if (diameter)
        size.sizeMm *= kPi;
    return size;
}

PagePosition PrintJob::printPage(
    PrintSurface& surface, const Mode& mode, const Size& size, const SheetFormat& format, double lengthTw)
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
        const StripInputs inputs = stripInputs(set, mode, lengthTw);
        nothingPrinted = false;
        cursor = printSet(surface, cursor, mode, inputs);

        const qint32 captionTop = numeric::checkedAdd(cursor.printY, kCaptionDrop);
        // The caption shares the row of the index cards; without cards it is a row of its own.
        if (!m_settings.blackOnWhite && !m_settings.whiteOnBlack)
            beginRow(surface, captionTop);
        surface.setForeColor(kBlack);
        surface.setFontSize(kCaptionFontSize);
        // Clear of the second card when both stand side by side.
        const bool twoCards = m_settings.blackOnWhite && m_settings.whiteOnBlack;
        const float captionBottom = printCaption(surface, twoCards ? kCaptionBesideCards : kCaptionLeft,
            static_cast<float>(captionTop), format.paper.printableWidth() / format.factorAcross(),
            caption(mode, size, format, inputs));
        if (m_settings.verniers) {
            // Below a caption of more lines than its row has room for (two).
            cursor.printY = std::max(cursor.printY, numeric::toInt32(std::ceil(captionBottom)) - kRowStep);
            cursor = printVerniers(surface, cursor, mode, inputs);
        }
        cursor.printY = numeric::checkedAdd(cursor.printY, kSetGap);
    }
    if (!nothingPrinted)
        surface.endDoc();
    return cursor;
}

StripInputs PrintJob::stripInputs(const CircleSetSettings& set, const Mode& mode, double lengthTw) const
{
    StripInputs inputs;
    inputs.lengthTw = lengthTw;
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
    if (m_settings.bothWays && !mode.otherWay.empty()) {
        inputs.otherWay = mode.otherWay;
        inputs.otherWayFontSize = std::max<qint16>(kSmallestFontSize, inputs.fontSize - kOtherWaySmaller);
    }
    return inputs;
}

PagePosition PrintJob::printSet(
    PrintSurface& surface, PagePosition cursor, const Mode& mode, const StripInputs& set)
{
    const bool blackOnWhite = m_settings.blackOnWhite;
    const bool whiteOnBlack = m_settings.whiteOnBlack;
    StripInputs strip = set;
    const auto beginStripRow = [&](Rgb markColor) {
        cursor.printX = kStripLeft;
        cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
        beginRow(surface, cursor.printY, geometry(mode, set.lengthTw));
        strip.markColor = markColor;
        surface.setForeColor(strip.markColor);
    };
    if (blackOnWhite) {
        beginStripRow(kBlack);
        cursor = mode.draw(surface, cursor, strip, mode.numbers);
    }
    if (whiteOnBlack) {
        beginStripRow(kWhite);
        // Drawn with whatever pen the previous strip or card left, tall enough for a second row.
        const qint32 boxHeight = numeric::checkedAdd(kBlackBoxHeight, otherWayRowHeight(surface, strip));
        surface.line(LineFlags::FilledBox, static_cast<float>(cursor.printX),
            static_cast<float>(cursor.printY), static_cast<float>(set.lengthTw),
            static_cast<float>(boxHeight), kBlack);
        cursor = mode.draw(surface, cursor, strip, mode.numbers);
    }
    if (whiteOnBlack) {
        surface.setDrawWidth(numeric::checkedInt16(set.tenMark));
        cursor.printX = kFirstCardLeft;
        cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
        beginRow(surface, cursor.printY);
        printCard(surface, cursor, mode.cardText, kWhite, kBlack);
    }
    if (blackOnWhite) {
        cursor.printX = numeric::checkedAdd(cursor.printX, kCardStep);
        // Beside the white-on-black card when there is one, otherwise in a row of its own.
        if (!whiteOnBlack) {
            cursor.printY = numeric::checkedAdd(cursor.printY, kRowStep);
            beginRow(surface, cursor.printY);
        }
        printCard(surface, cursor, mode.cardText, kBlack, kWhite);
    }
    return cursor;
}

void PrintJob::printCard(PrintSurface& surface, PagePosition cursor, const QString& text, Rgb ink, Rgb paper)
{
    const auto x = static_cast<float>(cursor.printX);
    const auto y = static_cast<float>(cursor.printY);
    surface.setForeColor(ink);
    surface.line(LineFlags::FilledBox, x, y, kCardSize, kCardSize, paper);
    surface.line(LineFlags::Stroke, x + kCardHalf, y + kCardHalf, 0, kCardHalf, ink);
    surface.setCurrentX(static_cast<float>(numeric::checkedAdd(cursor.printX, kCardTextIndent)));
    surface.setCurrentY(y);
    surface.print(text);
}

Vernier PrintJob::vernier(const Mode& mode, const StripInputs& strip)
{
    Vernier v;
    const double smallSpacing = mode.caption == CaptionStyle::Hours
        ? strip.lengthTw / kSmallDivisionsPerHourStrip
        : strip.lengthTw * strip.smallestMark / 360;
    v.division = 9 * smallSpacing / Vernier::kDivisions;
    v.reading = mode.caption == CaptionStyle::Hours
        ? QStringLiteral("1 min")
        : numeric::generalForm(strip.smallestMark / Vernier::kDivisions) + QStringLiteral("\u00B0");
    return v;
}

PagePosition PrintJob::printVerniers(
    PrintSurface& surface, PagePosition cursor, const Mode& mode, const StripInputs& set)
{
    // One row each, below the cards and caption, in the order and ink of the strips.
    const Vernier scale = vernier(mode, set);
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

void PrintJob::beginRow(PrintSurface& surface, qint32 top, std::optional<StripGeometry> strip)
{
    PageRow row;
    row.top = top;
    row.strip = std::move(strip);
    surface.beginRow(row);
}

QString PrintJob::caption(
    const Mode& mode, const Size& size, const SheetFormat& format, const StripInputs& inputs) const
{
    CaptionLine line;
    line.circleLabel = mode.circleLabel;
    line.hours = mode.caption == CaptionStyle::Hours;
    line.length = size.inches ? size.sizeMm / kMmPerInch : size.sizeMm;
    line.units = size.units;
    if (m_settings.verniers)
        line.vernier = vernier(mode, inputs).reading;
    if (!format.factors.isIdentity())
        line.printerScale = format.factorAcross();
    return line.text(inputs);
}
