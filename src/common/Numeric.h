#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

/// The program's number rules, used everywhere a value is converted or written as text:
/// checked 16- and 32-bit integers (overflow throws RuntimeError 6), rounding halves to even,
/// and the text forms of numbers and Booleans in messages, captions and files.
namespace numeric {

/// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

qint16 checkedInt16(qint64 value);
qint32 checkedInt32(qint64 value);
/// a + b as a 32-bit sum; a sum outside 32 bits throws.
qint32 checkedAdd(qint32 a, qint64 b);
/// Fractional to integer: rounded half to even, then range-checked.
qint16 toInt16(double value);
qint32 toInt32(double value);

/// General number form: integers as plain digits; otherwise at most 15 significant digits,
/// no trailing zeros, the locale's decimal separator and never a group separator.
QString generalForm(double value, const QLocale& locale = QLocale());
/// The "0.0" format: exactly one decimal, a half rounded away from zero.
QString fixedOneDecimal(double value, const QLocale& locale = QLocale());

QString booleanText(bool value);
/// "True", "False" (any letter case) or a number: 0 is False, any other number True.
std::optional<bool> parseBoolean(const QString& text, const QLocale& locale = QLocale());
/// A finite number in the locale's notation, blanks around it ignored; nan, inf and overflow fail.
std::optional<double> parseNumber(const QString& text, const QLocale& locale = QLocale());
/// A number written anywhere, by any locale: "." or "," or the locale's own decimal separator,
/// digits of any script, never a group separator (a size has no thousands); blanks around it
/// ignored. Fails as parseNumber() does.
std::optional<double> parseDecimal(const QString& text, const QLocale& locale = QLocale());
/// The text with every decimal digit, of whatever script, as 0-9, and the locale's decimal
/// separator and minus sign (and the Arabic decimal separator) as "." and "-".
QString latinDigits(const QString& text, const QLocale& locale = QLocale());
/// A whole number (optional sign, digits, blanks around it) that fits the type.
std::optional<qint16> parseInt16(const QString& text);
std::optional<qint32> parseInt32(const QString& text);

} // namespace numeric
