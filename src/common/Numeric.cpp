#include "common/Numeric.h"

#include "common/RuntimeError.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace numeric {

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

qint16 checkedInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError::overflow();
    return static_cast<qint16>(value);
}

qint32 checkedInt32(qint64 value)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw RuntimeError::overflow();
    return static_cast<qint32>(value);
}

qint32 checkedAdd(qint32 a, qint64 b)
{
    return checkedInt32(static_cast<qint64>(a) + b);
}

static qint64 roundedToInt64(double value)
{
    const double rounded = roundHalfEven(value);
    // Outside this range (or NaN) no 32-bit value can result; report it as the overflow it is.
    if (!(rounded >= -9.0e15 && rounded <= 9.0e15))
        throw RuntimeError::overflow();
    return static_cast<qint64>(rounded);
}

qint16 toInt16(double value)
{
    return checkedInt16(roundedToInt64(value));
}

qint32 toInt32(double value)
{
    return checkedInt32(roundedToInt64(value));
}

static QString localised(QString text, const QLocale& locale)
{
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

QString generalForm(double value, const QLocale& locale)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return localised(text, locale);
}

QString fixedOneDecimal(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return generalForm(value, locale);
    // Round the shown 15 significant digits, not the binary value: 0.15 gives "0.2".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const QByteArray text(buffer);
    const qsizetype ePos = text.indexOf('e');
    const int exponent = text.mid(ePos + 1).toInt();
    const QByteArray digits = text.left(1) + text.mid(2, ePos - 2); // 15 digits: d.ddd * 10^exponent
    const int keep = exponent + 2; // digits up to the first decimal

    QByteArray tenths; // the value times ten, as a whole number
    if (keep <= 0) {
        tenths = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else if (keep >= digits.size()) {
        tenths = digits + QByteArray(keep - digits.size(), '0');
    } else {
        tenths = digits.left(keep);
        if (digits[keep] >= '5') {
            qsizetype i = keep - 1;
            while (i >= 0 && tenths[i] == '9')
                tenths[i--] = '0';
            if (i >= 0)
                ++tenths[i];
            else
                tenths.prepend('1');
        }
    }
    if (tenths.size() < 2)
        tenths.prepend('0');
    QByteArray result = tenths.left(tenths.size() - 1) + '.' + tenths.right(1);
    const bool isZero = tenths.count('0') == tenths.size();
    if (value < 0 && !isZero)
        result.prepend('-');
    return localised(QString::fromLatin1(result), locale);
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> parseBoolean(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseNumber(trimmed, locale))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<double> parseNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString latinDigits(const QString& text, const QLocale& locale)
{
    QString latin = text;
    // Signs first: a locale's minus may carry a direction mark that is no part of the number.
    for (const QString& sign : { locale.negativeSign(), QString(QChar(0x2212)) }) {
        if (sign != QLatin1String("-"))
            latin.replace(sign, QStringLiteral("-"));
    }
    for (const QString& point : { locale.decimalPoint(), QString(QChar(0x066B)) }) {
        if (point != QLatin1String(".") && point != QLatin1String(","))
            latin.replace(point, QStringLiteral("."));
    }
    for (QChar& c : latin) {
        if (c.unicode() > 0x7F && c.category() == QChar::Number_DecimalDigit)
            c = QLatin1Char(static_cast<char>('0' + c.digitValue()));
    }
    return latin;
}

std::optional<double> parseDecimal(const QString& text, const QLocale& locale)
{
    QString point = latinDigits(text, locale);
    point.replace(QLatin1Char(','), QLatin1Char('.'));
    if (point.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    return parseNumber(point, c);
}

static std::optional<qint64> parseWhole(const QString& text, qint64 min, qint64 max)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 20)
        return std::nullopt;
    int i = 0;
    const bool negative = trimmed[0] == QLatin1Char('-');
    if (negative || trimmed[0] == QLatin1Char('+'))
        ++i;
    if (i == trimmed.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > max + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<qint16> parseInt16(const QString& text)
{
    const auto value
        = parseWhole(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    return value ? std::optional<qint16>(static_cast<qint16>(*value)) : std::nullopt;
}

std::optional<qint32> parseInt32(const QString& text)
{
    const auto value
        = parseWhole(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    return value ? std::optional<qint32>(static_cast<qint32>(*value)) : std::nullopt;
}

} // namespace numeric
