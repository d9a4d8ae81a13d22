#include "print/job/PrintJob.h"

#include "common/Numeric.h"
#include "common/PrinterError.h"
#include "common/RuntimeError.h"
#include "print/job/JobPage.h"
#include "print/job/MarkOptions.h"
#include "print/job/SizeLimits.h"
#include "print/job/SplitTrial.h"
#include "print/page/PageUnits.h"
#include "print/sheets/RingLayout.h"
#include "print/sheets/StripFit.h"

#include <QCoreApplication>
#include <cmath>
#include <exception>
#include <numbers>
#include <utility>

namespace {

constexpr double kPi = 3.14; // as strips have always been measured; a finer pi would change their length

constexpr qint16 kMinDiameterMm = 60;
constexpr qint16 kMinLengthMm = 200;
constexpr qint16 kMinDiameterInches = 2;
constexpr qint16 kMinLengthInches = 7;

const char* const kNotNumeric = QT_TRANSLATE_NOOP("PrintJob", "Must be numeric.");
const char* const kPrintError = QT_TRANSLATE_NOOP("PrintJob", "Print function error.");
const char* const kCannotSelectPrinter = QT_TRANSLATE_NOOP("PrintJob", "Cannot select a printer: ");

QString describe(const std::exception& error)
{
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        return runtime->description();
    return QString::fromLocal8Bit(error.what());
}

// The page model's coordinates are 32-bit twips: a drawing stays within a quarter of their range, so
// that its outlines and captions around it never overflow.
constexpr double kLargestDrawingTw = 536870911.0;

} // namespace

const SheetFormat& JobSheets::format() const
{
    if (m_failure)
        std::rethrow_exception(m_failure);
    return *m_format;
}

JobPlan::JobPlan(const JobSettings& settings, JobMode mode, const StripSize& size, const JobSheets& sheets,
    const SheetRequest& request)
    : m_settings(settings)
    , m_mode(std::move(mode))
    , m_size(size)
    , m_request(request)
{
    if (sheets.hasPaper())
        m_paper = sheets.format();
}

PagePosition JobPlan::draw(PrintSurface& surface) const
{
    return JobPage(m_settings, m_mode, m_size, m_paper).draw(surface);
}

PrintJob::PrintJob(const SettingsModel& model, const Entry& entry)
    : m_settings(JobSettings::read(model, entry.sizeText))
    , m_entry(entry)
{ }

std::optional<QString> PrintJob::progress() const
{
    try {
        const Mode job = mode();
        if (!m_entry.statusBeforeConversion)
            readSize();
        return job.progress;
    } catch (const std::exception&) {
        return std::nullopt; // the refusal says why
    }
}

JobOutcome PrintJob::check(const JobSheets& sheets) const
{
    try {
        const Mode job = mode();
        return checkSize(job, readSize(), sheets);
    } catch (const std::exception& error) {
        return failureBeforeDrawing(error);
    }
}

std::variant<JobRefusal, JobCircle> PrintJob::circle() const
{
    try {
        JobCircle circle { m_settings, mode(), readSize() };
        if (circle.size.entry < circle.size.minSize)
            return refuse(
                QCoreApplication::translate("PrintJob", "%1 size must be at least %2 %3")
                    .arg(circle.mode.circleLabel, QString::number(circle.size.minSize), circle.size.units));
        return circle;
    } catch (const std::exception& error) {
        return failureBeforeDrawing(error);
    }
}

JobOutcome PrintJob::checkSize(const Mode& job, const StripSize& size, const JobSheets& sheets) const
{
    if (size.entry < size.minSize) {
        std::optional<QString> noFit;
        try {
            if (sheets.hasPaper())
                noFit = noSizeFits(job, size, sheets.format());
        } catch (const std::exception&) {
            // Without the sheets the minimum alone is the message.
        }
        return refuse(noFit.value_or(QCoreApplication::translate("PrintJob", "%1 size must be at least %2 %3")
                                         .arg(job.circleLabel, QString::number(size.minSize), size.units)));
    }

    if (const auto* refusal = std::get_if<QString>(&m_settings.arc))
        return JobRefusal { *refusal, SizeText::ArcFrom };

    // A drawing has no paper: no width limits it, and its rings are whole.
    const SheetFormat format = sheets.hasPaper() ? sheets.format() : SheetFormat();
    RingCut ring = size.ring ? RingCut::Whole : RingCut::None;
    if (sheets.hasPaper()) {
        const double lengthTw = size.lengthTw();
        if (size.ring) {
            const std::variant<QString, RingCut> fit = ringFit(job, size, format, lengthTw);
            if (const auto* refusal = std::get_if<QString>(&fit))
                return refuse(*refusal);
            ring = std::get<RingCut>(fit);
        } else if (const std::optional<QString> refusal = widthRefusal(job, size, format, lengthTw)) {
            return refuse(*refusal);
        }
    } else if (const std::optional<QString> refusal = drawingRefusal(job, size)) {
        return refuse(*refusal);
    }
    const bool hours = job.caption == CaptionStyle::Hours;
    // An arc places its strip itself: the "Zero at" box is not read.
    if (const std::optional<QString> refusal = arc()
            ? std::nullopt
            : markoptions::zeroAtRefusal(
                m_settings.zeroAt, markoptions::zeroStep(hours, m_settings.smallestMark)))
        return JobRefusal { *refusal, SizeText::ZeroAt };
    if (m_settings.halfDegree && m_settings.smallestMark == 1) {
        if (const std::optional<QString> refusal
            = markoptions::halfMarkRefusal(size.sizeMm * format.factorAcross(), size, hours))
            return refuse(*refusal);
    }
    return JobPlan(m_settings, job, size, sheets, sheetRequest(job, format, size, ring));
}

bool PrintJob::fitsUnsplit(const SheetFormat& format) const
{
    try {
        const Mode job = mode();
        const StripSize size = readSize();
        if (size.entry < size.minSize)
            return false;
        const double lengthTw = size.lengthTw();
        const double divisions = JobPage::geometry(job, lengthTw).divisions;
        if (size.ring) {
            const double largest = arc()
                ? ringfit::largestArc(arc()->span, static_cast<int>(divisions), format)
                : ringfit::largestWhole(format);
            return lengthTw / std::numbers::pi <= largest;
        }
        const double printed = lengthTw * printedShare(divisions);
        return stripfit::fitsPageWidth(printed, format)
            && stripfit::fitsPrintableWidth(printed, kStripLeft, format);
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<double> PrintJob::stripLengthMm() const
{
    try {
        mode();
        return readSize().sizeMm;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QString PrintJob::selectionFailure(const std::exception& error)
{
    // No printer at all, or the print system is down: nothing to print on.
    return QCoreApplication::translate("PrintJob", kCannotSelectPrinter) + describe(error);
}

JobRefusal PrintJob::failureBeforeDrawing(const std::exception& error) const
{
    // A printer that fails before anything is drawn is a print failure, not a bad entry.
    if (isPrinterError(error))
        return { QCoreApplication::translate("PrintJob", kPrintError), std::nullopt };
    return refuse(QCoreApplication::translate("PrintJob", kNotNumeric));
}

QString PrintJob::drawingFailure(const std::exception& error)
{
    // A file name the user can mend is named; other failures keep the one message.
    const auto* named = dynamic_cast<const RuntimeError*>(&error);
    return named != nullptr && named->number() == kBadFileNameError
        ? QCoreApplication::translate("PrintJob", "Print function error: %1.").arg(named->description())
        : QCoreApplication::translate("PrintJob", kPrintError);
}

SheetRequest PrintJob::sheetRequest(
    const Mode& mode, const SheetFormat& format, const StripSize& size, RingCut ring) const
{
    SheetRequest request;
    request.format = format;
    request.inches = size.inches;
    request.splitLongStrips = m_settings.splitLongStrips;
    request.scaleCheck = m_settings.scaleCheck;
    request.ring = ring;
    request.closingTab = m_settings.closingTab && !arc(); // an arc does not close
    request.ringFromCentre = m_settings.ringFromCentre;
    request.circle = (size.diameter ? QCoreApplication::translate("PrintJob", "%1 %2 %3 dia.")
                                    : QCoreApplication::translate("PrintJob", "%1 %2 %3 len."))
                         .arg(mode.circleLabel, numeric::generalForm(size.entry), size.units);
    return request;
}

std::optional<QString> PrintJob::widthRefusal(
    const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const
{
    // what: the message with the circle, the length and its unit for %1, %2 and %3.
    const auto maximum = [&](double length, const char* what) {
        return QCoreApplication::translate("PrintJob", what)
            .arg(mode.circleLabel, numeric::fixedOneDecimal(length), size.units);
    };
    const auto unrounded
        = [&](double twips) { return twips / kTwipsPerMm / (size.inches ? kMmPerInch : 1.0); };
    const StripGeometry strip = JobPage::geometry(mode, lengthTw);
    const double splitMaximum = stripfit::maximumForSplit(strip.left, strip.divisions, format);
    // The bound says when segments of two long divisions cannot be: the trial, whether the job's
    // own page really splits.
    const SheetRequest request = sheetRequest(mode, format, size, RingCut::None);
    const auto fitsSplit = [&](double twips) {
        return twips <= splitMaximum && splittrial::prints(m_settings, mode, size, request, twips);
    };
    const double printed = printedShare(strip.divisions);
    const auto fitsPrintable
        = [&](double twips) { return stripfit::fitsPrintableWidth(twips * printed, kStripLeft, format); };
    if (m_settings.splitLongStrips) {
        // Split into segments of at least two long divisions, or not at all.
        if (fitsSplit(lengthTw))
            return std::nullopt;
        return noSizeFits(mode, size, format)
            .value_or(maximum(sizelimits::longestStated(splitMaximum, size.inches, fitsSplit),
                QT_TRANSLATE_NOOP("PrintJob", "%1 max. length is %2 %3 for split strips.")));
    }
    if (stripfit::fitsPageWidth(lengthTw * printed, format) && fitsPrintable(lengthTw))
        return std::nullopt;
    if (const std::optional<QString> noFit = noSizeFits(mode, size, format))
        return noFit;
    if (!stripfit::fitsPageWidth(lengthTw * printed, format))
        return maximum(unrounded(stripfit::maximumForPageWidth(format) / printed),
            QT_TRANSLATE_NOOP("PrintJob", "%1 max. length is %2 %3 for current page width."));
    // Shorter than the paper but past the printable area: its last degrees would be lost. The length
    // stated is rounded down: it must print when typed.
    return maximum(sizelimits::longestStated(stripfit::maximumForPrintableWidth(kStripLeft, format) / printed,
                       size.inches, fitsPrintable),
        QT_TRANSLATE_NOOP("PrintJob", "%1 max. length is %2 %3 for the printable width."));
}

std::variant<QString, RingCut> PrintJob::ringFit(
    const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const
{
    const double diameterTw = lengthTw / std::numbers::pi;
    const double whole = arc()
        ? ringfit::largestArc(arc()->span, JobPage::geometry(mode, lengthTw).divisions, format)
        : ringfit::largestWhole(format);
    const bool split = m_settings.splitLongStrips;
    // A short arc of a ring too large to split may still fit whole.
    const double largest = split
        ? std::max(whole, ringfit::largestSplit(JobPage::geometry(mode, lengthTw).divisions, format))
        : whole;
    if (diameterTw <= largest)
        return split && diameterTw > whole ? RingCut::Sectors : RingCut::Whole;
    // Rounded down to a tenth, so the diameter stated prints when typed.
    const double unit = kTwipsPerMm * (size.inches ? kMmPerInch : 1.0);
    const double stated = std::floor(largest / unit * 10) / 10;
    const char* const limit = split
        ? QT_TRANSLATE_NOOP("PrintJob", "%1 max. ring diameter is %2 %3 for split rings.")
        : QT_TRANSLATE_NOOP("PrintJob", "%1 max. ring diameter is %2 %3 for the printable area.");
    return QCoreApplication::translate("PrintJob", limit)
        .arg(mode.circleLabel, numeric::fixedOneDecimal(stated), size.units);
}

double PrintJob::printedShare(double divisions) const
{
    // With a closing tab one more long division after the strip's end, on the same sheet; of an
    // arc, its span and half a long division beyond each end.
    if (arc())
        return arc()->span / 360 + 1.0 / divisions;
    return m_settings.closingTab ? (divisions + 1.0) / divisions : 1.0;
}

std::optional<QString> PrintJob::drawingRefusal(const Mode& mode, const StripSize& size) const
{
    const double unit = kTwipsPerMm * (size.inches ? kMmPerInch : 1.0);
    if (size.ring) {
        if (size.lengthTw() / std::numbers::pi <= kLargestDrawingTw)
            return std::nullopt;
        return QCoreApplication::translate("PrintJob", "%1 max. ring diameter is %2 %3 for a drawing.")
            .arg(mode.circleLabel, numeric::fixedOneDecimal(std::floor(kLargestDrawingTw / unit * 10) / 10),
                size.units);
    }
    // A closing tab draws one more long division after the strip's end.
    const double tab
        = m_settings.closingTab && !arc() ? 1.0 / JobPage::geometry(mode, size.lengthTw()).divisions : 0.0;
    const auto fits = [&](double lengthTw) { return kStripLeft + lengthTw * (1 + tab) <= kLargestDrawingTw; };
    if (fits(size.lengthTw()))
        return std::nullopt;
    return QCoreApplication::translate("PrintJob", "%1 max. length is %2 %3 for a drawing.")
        .arg(mode.circleLabel,
            numeric::fixedOneDecimal(sizelimits::longestStated(kLargestDrawingTw, size.inches, fits)),
            size.units);
}

std::optional<QString> PrintJob::noSizeFits(
    const Mode& mode, const StripSize& size, const SheetFormat& format) const
{
    if (size.ring)
        return std::nullopt; // the ring's own refusal names the diameter that fits
    double smallestMm = size.minSize * (size.inches ? kMmPerInch : 1.0);
    if (size.diameter)
        smallestMm *= kPi;
    const double smallestTw = smallestMm * kTwipsPerMm;
    const StripGeometry strip = JobPage::geometry(mode, smallestTw);
    const bool fits = m_settings.splitLongStrips
        ? smallestTw <= stripfit::maximumForSplit(strip.left, strip.divisions, format)
        : stripfit::fitsPageWidth(smallestTw, format)
            && stripfit::fitsPrintableWidth(smallestTw, kStripLeft, format);
    if (fits)
        return std::nullopt;
    return sizelimits::noSizeFits(
        mode.circleLabel, size.minSize, size.units, size.diameter, format, m_settings.splitLongStrips);
}

StripSize PrintJob::readSize() const
{
    // The text may come from a file or store written under another locale.
    const auto entry = numeric::parseDecimal(m_settings.size);
    if (!entry)
        throw RuntimeError::typeMismatch();

    StripSize size;
    size.entry = *entry;
    // One decision for unit, minimum, page-width message and caption, even when a restored file
    // left neither unit option selected.
    size.inches = !m_settings.millimetres;
    const bool diameter = !m_settings.length;
    size.diameter = diameter;
    if (size.inches) {
        size.units = QCoreApplication::translate("PrintJob", "inches");
        size.sizeMm = size.entry * kMmPerInch;
        size.minSize = diameter ? kMinDiameterInches : kMinLengthInches;
    } else {
        size.units = QCoreApplication::translate("PrintJob", "mm");
        size.sizeMm = size.entry;
        size.minSize = diameter ? kMinDiameterMm : kMinLengthMm;
    }
    // The one place the ring option is read: a ring has no strip length to match, so its
    // circumference takes the true pi.
    size.ring = m_settings.rings;
    if (diameter)
        size.sizeMm *= size.ring ? std::numbers::pi : kPi;
    return size;
}
