#include "print/job/PrintJob.h"

#include "common/Numeric.h"
#include "common/PrinterError.h"
#include "common/RuntimeError.h"
#include "print/job/JobPage.h"
#include "print/page/PageUnits.h"
#include "print/sheets/StripFit.h"
#include "settings/StatusLine.h"

#include <exception>
#include <memory>

namespace {

constexpr double kPi = 3.14; // as strips have always been measured; a finer pi would change their length

constexpr qint16 kMinDiameterMm = 60;
constexpr qint16 kMinLengthMm = 200;
constexpr qint16 kMinDiameterInches = 2;
constexpr qint16 kMinLengthInches = 7;

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
    StripSize size;
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
        lengthTw = size.lengthTw();
        if (const std::optional<QString> refusal = widthRefusal(job, size, format, lengthTw)) {
            showError(*refusal);
            focusEntry();
            return {};
        }
    } catch (const std::exception& error) {
        // A printer that fails before anything is drawn is a print failure, not a bad entry.
        if (isPrinterError(error)) {
            showError(kPrintError);
            return {};
        }
        showError(kNotNumeric);
        focusEntry();
        return {};
    }

    PagePosition cursor;
    try {
        cursor = JobPage(m_settings, job, size, format).draw(*surface);
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

SheetRequest PrintJob::sheetRequest(const SheetFormat& format, const StripSize& size) const
{
    SheetRequest request;
    request.format = format;
    request.inches = size.inches;
    request.splitLongStrips = m_settings.splitLongStrips;
    request.scaleCheck = m_settings.scaleCheck;
    return request;
}

std::optional<QString> PrintJob::widthRefusal(
    const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const
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
        const StripGeometry strip = JobPage::geometry(mode, lengthTw);
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

StripSize PrintJob::readSize() const
{
    const auto entry = numeric::parseNumber(m_settings.size);
    if (!entry)
        throw RuntimeError::typeMismatch();

    StripSize size;
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
