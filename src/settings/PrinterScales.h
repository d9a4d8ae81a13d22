#pragma once

#include "common/ScaleFactors.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <optional>
#include <utility>

/// The scale corrections kept per printer in the settings store's group "Printer Scale": the key is
/// the printer's device name, the value the factor along the paper's width, one blank and the factor
/// along its length, in general number form with "." whatever the locale ("1.004 0.998"). Either
/// separator is read, so factors kept under another language still apply.
class PrinterScales {
public:
    static const QString kGroup;

    explicit PrinterScales(SettingsStore& store);

    /// The factors kept for the printer, read from the store now; 1 and 1 when there are none, or
    /// when what is kept is garbled or out of range.
    ScaleFactors factors(const QString& deviceName);
    /// Why what is kept for the printer is not used, in words for a message; nothing when nothing
    /// is kept or it is usable.
    std::optional<QString> unusable(const QString& deviceName);
    /// The first printer whose kept value is unusable, and why; read from the store alone, without
    /// asking the print system.
    std::optional<std::pair<QString, QString>> firstUnusable();
    /// Writes the factors for the printer at once. False with the reason, in words for a message,
    /// when the store can't be written; factors out of range are never written.
    bool keep(const QString& deviceName, const ScaleFactors& factors, QString& reason);

    static QString text(const ScaleFactors& factors);
    /// Two numbers in range, one blank apart, each with "." or "," as its decimal separator.
    static std::optional<ScaleFactors> parse(const QString& text);

    /// The factor for a bar of the nominal length that measured as typed (millimetres, the
    /// locale's number form), rounded to four decimals: finer than any ruler reads. Nothing, with
    /// a message for the user, when the entry is not a positive number or the factor is out of range.
    static std::optional<double> measuredFactor(double nominalMm, const QString& measured, QString& message);

private:
    std::optional<QString> stored(const QString& deviceName);

    SettingsStore& m_store;
};
