#include "settings/PrinterScales.h"

#include "common/Numeric.h"

#include <QStringList>
#include <cmath>

const QString PrinterScales::kGroup = QStringLiteral("Printer Scale");

PrinterScales::PrinterScales(SettingsStore& store)
    : m_store(store)
{ }

ScaleFactors PrinterScales::factors(const QString& deviceName)
{
    QString reason;
    if (deviceName.isEmpty() || !m_store.load(reason))
        return {};
    const std::optional<QString> stored = m_store.readIn(kGroup, deviceName);
    if (!stored)
        return {};
    return parse(*stored).value_or(ScaleFactors());
}

bool PrinterScales::keep(const QString& deviceName, const ScaleFactors& factors, QString& reason)
{
    if (deviceName.isEmpty() || !ScaleFactors::inRange(factors.alongWidth)
        || !ScaleFactors::inRange(factors.alongLength)) {
        reason = QStringLiteral("the factors are not for a printer");
        return false;
    }
    m_store.writeIn(kGroup, deviceName, text(factors));
    return m_store.flush(reason);
}

QString PrinterScales::text(const ScaleFactors& factors)
{
    return numeric::generalForm(factors.alongWidth) + QLatin1Char(' ')
        + numeric::generalForm(factors.alongLength);
}

std::optional<ScaleFactors> PrinterScales::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    for (const QLocale& locale : { QLocale(), QLocale::c() }) {
        const std::optional<double> width = numeric::parseNumber(parts[0], locale);
        const std::optional<double> length = numeric::parseNumber(parts[1], locale);
        if (width && length && ScaleFactors::inRange(*width) && ScaleFactors::inRange(*length))
            return ScaleFactors { *width, *length };
    }
    return std::nullopt;
}

std::optional<double> PrinterScales::measuredFactor(
    double nominalMm, const QString& measured, QString& message)
{
    const std::optional<double> length = numeric::parseNumber(measured);
    if (!length || *length <= 0) {
        message = QStringLiteral("\"%1\" is not a length: type the length measured in millimetres.")
                      .arg(measured.trimmed());
        return std::nullopt;
    }
    const double factor = std::round(nominalMm / *length * 1e4) / 1e4;
    if (!ScaleFactors::inRange(factor)) {
        message
            = QStringLiteral("%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to "
                             "1.1 can be corrected. Measure the bar again from its first to its last mark.")
                  .arg(numeric::generalForm(*length), numeric::generalForm(nominalMm),
                      numeric::generalForm(factor));
        return std::nullopt;
    }
    message.clear();
    return factor;
}
