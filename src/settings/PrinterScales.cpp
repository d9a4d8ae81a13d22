#include "settings/PrinterScales.h"

#include "common/Numeric.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

const QString PrinterScales::kGroup = QStringLiteral("Printer Scale");

PrinterScales::PrinterScales(SettingsStore& store)
    : m_store(store)
{ }

ScaleFactors PrinterScales::factors(const QString& deviceName)
{
    return parse(stored(deviceName).value_or(QString())).value_or(ScaleFactors());
}

std::optional<QString> PrinterScales::stored(const QString& deviceName)
{
    QString reason;
    if (deviceName.isEmpty() || !m_store.load(reason))
        return std::nullopt;
    return m_store.readIn(kGroup, deviceName);
}

std::optional<QString> PrinterScales::unusable(const QString& deviceName)
{
    const std::optional<QString> text = stored(deviceName);
    if (!text) // nothing kept, or a value edited into something that is not a text
        return m_store.keysIn(kGroup).contains(deviceName)
            ? std::optional<QString>(QCoreApplication::translate("PrinterScales",
                "its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a "
                "decimal point, the width's first: \"1.01 0.99\""))
            : std::nullopt;
    if (parse(*text))
        return std::nullopt;
    return QCoreApplication::translate("PrinterScales", "\"%1\" is not two factors from 0.9 to 1.1")
        .arg(*text);
}

std::optional<std::pair<QString, QString>> PrinterScales::firstUnusable()
{
    QString reason;
    if (!m_store.load(reason))
        return std::nullopt;
    for (const QString& device : m_store.keysIn(kGroup)) {
        if (const std::optional<QString> why = unusable(device))
            return std::pair { device, *why };
    }
    return std::nullopt;
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
    // With "." whatever the locale: the store outlives a change of language.
    return numeric::generalForm(factors.alongWidth, QLocale::c()) + QLatin1Char(' ')
        + numeric::generalForm(factors.alongLength, QLocale::c());
}

std::optional<ScaleFactors> PrinterScales::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<double> width = numeric::parseDecimal(parts[0]);
    const std::optional<double> length = numeric::parseDecimal(parts[1]);
    if (width && length && ScaleFactors::inRange(*width) && ScaleFactors::inRange(*length))
        return ScaleFactors { *width, *length };
    return std::nullopt;
}

std::optional<double> PrinterScales::measuredFactor(
    double nominalMm, const QString& measured, QString& message)
{
    const std::optional<double> length = numeric::parseDecimal(measured);
    if (!length || *length <= 0) {
        message = QCoreApplication::translate(
            "PrinterScales", "\"%1\" is not a length: type the length measured in millimetres.")
                      .arg(measured.trimmed());
        return std::nullopt;
    }
    const double factor = std::round(nominalMm / *length * 1e4) / 1e4;
    if (!ScaleFactors::inRange(factor)) {
        message = QCoreApplication::translate("PrinterScales",
            "%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to "
            "1.1 can be corrected. Measure the bar again from its first to its last mark.")
                      .arg(numeric::generalForm(*length), numeric::generalForm(nominalMm),
                          numeric::generalForm(factor));
        return std::nullopt;
    }
    message.clear();
    return factor;
}
