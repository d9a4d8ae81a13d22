#pragma once

#include "print/sheets/ScaleFactors.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <optional>

/// The scale corrections kept per printer in the settings store's group "Printer Scale": the key is
/// the printer's device name, the value the factor along the paper's width, one blank and the factor
/// along its length, in general number form ("1.004 0.998").
class PrinterScales {
public:
    static const QString kGroup;

    explicit PrinterScales(SettingsStore& store);

    /// The factors kept for the printer, read from the store now; 1 and 1 when there are none, or
    /// when what is kept is garbled or out of range.
    ScaleFactors factors(const QString& deviceName);
    /// Writes the factors for the printer at once. False with the reason, in words for a message,
    /// when the store can't be written; factors out of range are never written.
    bool keep(const QString& deviceName, const ScaleFactors& factors, QString& reason);

    static QString text(const ScaleFactors& factors);
    /// Two numbers in range, one blank apart; in the locale's form or, should the locale have
    /// changed since they were written, in the C locale's.
    static std::optional<ScaleFactors> parse(const QString& text);

    /// The factor for a bar of the nominal length that measured as typed (millimetres, the
    /// locale's number form), rounded to four decimals: finer than any ruler reads. Nothing, with
    /// a message for the user, when the entry is not a positive number or the factor is out of range.
    static std::optional<double> measuredFactor(double nominalMm, const QString& measured, QString& message);

private:
    SettingsStore& m_store;
};
