#include "common/Numeric.h"
#include "common/RuntimeError.h"
#include "support/RowName.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

using namespace numeric;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(250.5), 250.0);
    EXPECT_EQ(roundHalfEven(252.5), 252.0);
    EXPECT_EQ(roundHalfEven(257.5), 258.0);
    EXPECT_EQ(roundHalfEven(2.500001), 3.0);
    EXPECT_EQ(toInt16(2.5 * 101), 252);
    EXPECT_EQ(toInt16(2.5 * 103), 258);
    EXPECT_EQ(toInt32(-0.5), 0);
}

TEST(CheckedIntegers, OverflowIsRunTimeErrorSix)
{
    EXPECT_EQ(checkedInt16(32767), 32767);
    EXPECT_EQ(checkedInt16(-32768), -32768);
    try {
        checkedInt16(32768);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), QStringLiteral("Overflow"));
    }
    EXPECT_THROW(toInt16(32767.5), RuntimeError); // rounds to 32768
    EXPECT_EQ(toInt16(32766.5), 32766);
    EXPECT_THROW(checkedInt32(qint64(std::numeric_limits<qint32>::max()) + 1), RuntimeError);
    EXPECT_EQ(checkedAdd(std::numeric_limits<qint32>::max() - 1, 1), std::numeric_limits<qint32>::max());
    EXPECT_THROW(checkedAdd(std::numeric_limits<qint32>::min(), -1), RuntimeError);
    EXPECT_THROW(toInt32(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
    EXPECT_THROW(toInt32(std::numeric_limits<double>::infinity()), RuntimeError);
    EXPECT_THROW(toInt32(1e300), RuntimeError);
}

TEST(GeneralForm, ShortestTextWithFifteenDigits)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(generalForm(80 * 3.14, c), QStringLiteral("251.2"));
    EXPECT_EQ(generalForm(60 * 3.14, c), QStringLiteral("188.4"));
    EXPECT_EQ(generalForm(3 * 25.4 * 3.14 / 25.4, c), QStringLiteral("9.42"));
    EXPECT_EQ(generalForm(2.5 * 25.4 * 3.14 / 25.4, c), QStringLiteral("7.85"));
    EXPECT_EQ(generalForm(1.0, c), QStringLiteral("1"));
    EXPECT_EQ(generalForm(5.0, c), QStringLiteral("5"));
    EXPECT_EQ(generalForm(2000.0, c), QStringLiteral("2000"));
    EXPECT_EQ(generalForm(1189.5, c), QStringLiteral("1189.5"));
    EXPECT_EQ(generalForm(-0.25, c), QStringLiteral("-0.25"));
}

TEST(GeneralForm, UsesTheLocaleDecimalSeparatorAndNoGroups)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(generalForm(1189.5, german), QStringLiteral("1189,5"));
    EXPECT_EQ(generalForm(1234567.25, german), QStringLiteral("1234567,25"));
    EXPECT_EQ(fixedOneDecimal(11906 / 56.7, german), QStringLiteral("210,0"));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(generalForm(1189.5, english), QStringLiteral("1189.5"));
}

TEST(FixedOneDecimal, RoundsTheShownDigitsHalfAwayFromZero)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(fixedOneDecimal(11906 / 56.7, c), QStringLiteral("210.0"));
    EXPECT_EQ(fixedOneDecimal(12240 / 56.7, c), QStringLiteral("215.9"));
    EXPECT_EQ(fixedOneDecimal(11906 / 56.7 / 25.4, c), QStringLiteral("8.3"));
    EXPECT_EQ(fixedOneDecimal(0.15, c), QStringLiteral("0.2"));
    EXPECT_EQ(fixedOneDecimal(0.25, c), QStringLiteral("0.3"));
    EXPECT_EQ(fixedOneDecimal(9.96, c), QStringLiteral("10.0"));
    EXPECT_EQ(fixedOneDecimal(0.04, c), QStringLiteral("0.0"));
    EXPECT_EQ(fixedOneDecimal(0.0, c), QStringLiteral("0.0"));
    EXPECT_EQ(fixedOneDecimal(123456789.25, c), QStringLiteral("123456789.3"));
    EXPECT_EQ(fixedOneDecimal(-2.25, c), QStringLiteral("-2.3"));
}

TEST(BooleanText, TrueFalseOrANumber)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(booleanText(true), QStringLiteral("True"));
    EXPECT_EQ(booleanText(false), QStringLiteral("False"));
    EXPECT_EQ(parseBoolean(QStringLiteral("True"), c), true);
    EXPECT_EQ(parseBoolean(QStringLiteral("false"), c), false);
    EXPECT_EQ(parseBoolean(QStringLiteral(" TRUE "), c), true);
    EXPECT_EQ(parseBoolean(QStringLiteral("0"), c), false);
    EXPECT_EQ(parseBoolean(QStringLiteral("-1"), c), true);
    EXPECT_EQ(parseBoolean(QStringLiteral("2.5"), c), true);
    EXPECT_FALSE(parseBoolean(QStringLiteral("yes"), c).has_value());
    EXPECT_FALSE(parseBoolean(QString(), c).has_value());
    EXPECT_FALSE(parseBoolean(QStringLiteral("nan"), c).has_value());
}

TEST(ParseNumber, OnlyFiniteNumbersInTheLocale)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(parseNumber(QStringLiteral("80"), c), 80.0);
    EXPECT_EQ(parseNumber(QStringLiteral(" 59.9 "), c), 59.9);
    EXPECT_EQ(parseNumber(QStringLiteral("1e2"), c), 100.0);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(parseNumber(QStringLiteral("59,9"), german), 59.9);
}

class ParseNumberRefuses : public ::testing::TestWithParam<const char*> { };

TEST_P(ParseNumberRefuses, TextThatIsNoFiniteNumber)
{
    EXPECT_FALSE(parseNumber(QString::fromLatin1(GetParam()), QLocale::c()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberRefuses,
    ::testing::Values("", "   ", "abc", "nan", "NaN", "inf", "-inf", "Infinity", "1e400", "3 mm", "0x10"),
    textRowName);

TEST(ParseInteger, WholeNumbersThatFit)
{
    EXPECT_EQ(parseInt16(QStringLiteral("1")), 1);
    EXPECT_EQ(parseInt16(QStringLiteral("  1 ")), 1);
    EXPECT_EQ(parseInt16(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(parseInt32(QStringLiteral("150")), 150);
    EXPECT_EQ(parseInt32(QStringLiteral("+7")), 7);
    EXPECT_FALSE(parseInt32(QStringLiteral("2147483648")).has_value());
    EXPECT_EQ(parseInt32(QStringLiteral("-2147483648")), std::numeric_limits<qint32>::min());
}

class ParseInt16Refuses : public ::testing::TestWithParam<const char*> { };

TEST_P(ParseInt16Refuses, TextThatIsNoWholeSixteenBitNumber)
{
    EXPECT_FALSE(parseInt16(QString::fromLatin1(GetParam())).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseInt16Refuses,
    ::testing::Values("", " ", "-", "1.5", "abc", "32768", "1 2", "99999999999999999999999"), textRowName);

namespace {

struct DecimalRow {
    const char* name;
    const char* locale;
    const char* text; ///< UTF-8; "<minus>" stands for the locale's own minus sign
    std::optional<double> value;
};

class ParseDecimal : public ::testing::TestWithParam<DecimalRow> { };

} // namespace

// A size, a factor or an arc typed under any language, or read from a file written under another.
TEST_P(ParseDecimal, ReadsEitherSeparatorAndTheLocalesOwnDigits)
{
    const DecimalRow& row = GetParam();
    const QLocale locale(QLatin1String(row.locale));
    QString text = QString::fromUtf8(row.text);
    text.replace(QStringLiteral("<minus>"), locale.negativeSign());
    EXPECT_EQ(parseDecimal(text, locale), row.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimal,
    ::testing::Values(DecimalRow { "PointInC", "C", "3.5", 3.5 }, DecimalRow { "CommaInC", "C", "3,5", 3.5 },
        DecimalRow { "PointInGerman", "de_DE", " 250.5 ", 250.5 },
        DecimalRow { "PointInArabic", "ar_EG", "3.5", 3.5 },
        DecimalRow { "CommaInArabic", "ar_EG", "3,5", 3.5 },
        DecimalRow { "ArabicSeparator", "ar_EG", "3\u066B5", 3.5 },
        DecimalRow { "ArabicIndicDigits", "ar_EG", "\u0663\u066B\u0665", 3.5 },
        DecimalRow { "ArabicMinus", "ar_EG", "<minus>\u0662", -2.0 },
        DecimalRow { "PersianDigits", "fa_IR", "\u06F4\u06F5\u06F0", 450.0 },
        DecimalRow { "DevanagariDigits", "hi_IN", "\u0967\u0968.\u0969", 12.3 },
        DecimalRow { "ArabicSeparatorInC", "C", "3\u066B5", 3.5 },
        DecimalRow { "GroupsAreRefused", "de_DE", "1.234,5", std::nullopt },
        DecimalRow { "TwoSeparators", "ar_EG", "3\u066B5.1", std::nullopt },
        DecimalRow { "Letters", "ar_EG", "\u0663x", std::nullopt },
        DecimalRow { "TooLarge", "C", "1e400", std::nullopt }),
    [](const auto& row) { return std::string(row.param.name); });
