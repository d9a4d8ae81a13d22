#include "settings/PrinterScales.h"
#include "ModelFixtures.h"
#include "settings/QtSettingsStore.h"
#include "support/RowName.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct StoredCase {
    const char* value;
    double alongWidth;
    double alongLength;
};

class StoredPrinterScale : public ::testing::TestWithParam<StoredCase> { };

} // namespace

// What a hand-edited or older store may hold: anything that isn't two factors in range is 1 and 1.
TEST_P(StoredPrinterScale, ReadsAsTheFactorsOrOneAndOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vennaros.ini"));
    fixtures::writeFile(path,
        QByteArray("[Defaults]\nPDF=0.95 0.95\n[Printer%20Scale]\nPDF=") + GetParam().value
            + "\nLaser=1.05 1.05\n");
    QtSettingsStore store(path);
    PrinterScales scales(store);
    const ScaleFactors factors = scales.factors(QStringLiteral("PDF"));
    EXPECT_EQ(factors.alongWidth, GetParam().alongWidth);
    EXPECT_EQ(factors.alongLength, GetParam().alongLength);
    // Whatever is not used is said to be unusable, never dropped without a word.
    const std::optional<QString> unusable = scales.unusable(QStringLiteral("PDF"));
    if (factors.isIdentity() && *GetParam().value != '\0') {
        EXPECT_TRUE(unusable.has_value());
    } else if (!factors.isIdentity()) {
        EXPECT_FALSE(unusable.has_value()) << unusable->toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Values, StoredPrinterScale,
    ::testing::Values(StoredCase { "1.004 0.998", 1.004, 0.998 }, StoredCase { "1.01 1", 1.01, 1 },
        StoredCase { "0.9 1.1", 0.9, 1.1 }, StoredCase { "1.2 1", 1, 1 }, StoredCase { "1 0", 1, 1 },
        StoredCase { "1.01", 1, 1 }, StoredCase { "1.01  1", 1, 1 }, StoredCase { "1.01 1 1", 1, 1 },
        StoredCase { "nan 1", 1, 1 }, StoredCase { "abc", 1, 1 }, StoredCase { "\"1.01,1\"", 1, 1 },
        StoredCase { "", 1, 1 }, StoredCase { "\"0,9972 1,0031\"", 0.9972, 1.0031 },
        StoredCase { "0,9972, 1", 1, 1 }),
    [](const ::testing::TestParamInfo<StoredCase>& row) { return rowName(row.param.value); });

namespace {

class UnusablePrinterScale : public ::testing::TestWithParam<std::pair<const char*, const char*>> { };

} // namespace

// The reason given says what is wrong with the value and what the value should be.
TEST_P(UnusablePrinterScale, SaysWhyInWords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vennaros.ini"));
    fixtures::writeFile(path, QByteArray("[Printer%20Scale]\nPDF=") + GetParam().first + '\n');
    QtSettingsStore store(path);
    EXPECT_EQ(PrinterScales(store).unusable(QStringLiteral("PDF")), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Values, UnusablePrinterScale,
    ::testing::Values(std::pair { "1,01 0,99",
                          "its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a "
                          "decimal point, the width's first: \"1.01 0.99\"" },
        std::pair { "abc", "\"abc\" is not two factors from 0.9 to 1.1" },
        std::pair { "1.2 1", "\"1.2 1\" is not two factors from 0.9 to 1.1" }),
    [](const auto& row) { return rowName(row.param.first); });

TEST(PrinterScales, KeptAtOnceInTheirGroupAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vennaros.ini"));
    fixtures::writeFile(path, "[Defaults]\nAlt%20Tx=80\n");
    QtSettingsStore store(path);
    PrinterScales scales(store);
    QString reason;
    ASSERT_TRUE(scales.keep(QStringLiteral("Print to File (PDF)"), { 1.004, 0.998 }, reason));
    const QByteArray ini = fixtures::readFile(path);
    EXPECT_TRUE(ini.contains("[Printer%20Scale]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("=1.004 0.998")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Alt%20Tx=80")) << "the other settings stay";
    EXPECT_EQ(scales.factors(QStringLiteral("Print to File (PDF)")).alongLength, 0.998);
    EXPECT_EQ(scales.factors(QStringLiteral("Other")).alongWidth, 1.0);

    EXPECT_FALSE(scales.keep(QStringLiteral("PDF"), { 2, 1 }, reason)) << "never out of range";
    EXPECT_FALSE(fixtures::readFile(path).contains("PDF=2"));
}

// Written with "." in any language and read in any other, the German way of older files included.
TEST(PrinterScales, FactorsReadInAnyLocale)
{
    const QLocale previous;
    const QLocale german(QLocale::German, QLocale::Germany);
    for (const auto& [writer, reader] :
        { std::pair { german, QLocale::c() }, std::pair { QLocale::c(), german } }) {
        QLocale::setDefault(writer);
        const QString text = PrinterScales::text({ 1.004, 0.998 });
        QLocale::setDefault(reader);
        const auto back = PrinterScales::parse(text);
        const auto older = PrinterScales::parse(QStringLiteral("0,9972 1,0031"));
        QLocale::setDefault(previous);
        EXPECT_EQ(text, QStringLiteral("1.004 0.998"));
        ASSERT_TRUE(back && older);
        EXPECT_EQ(back->alongWidth, 1.004);
        EXPECT_EQ(older->alongWidth, 0.9972);
        EXPECT_EQ(older->alongLength, 1.0031);
    }
    EXPECT_FALSE(PrinterScales::parse(QStringLiteral("1,0,1 1")).has_value());
}

namespace {

struct MeasuredCase {
    const char* measured;
    double factor; // 0: refused
};

class MeasuredLength : public ::testing::TestWithParam<MeasuredCase> { };

} // namespace

TEST_P(MeasuredLength, GivesNominalOverMeasuredOrIsRefused)
{
    QString message;
    const auto factor = PrinterScales::measuredFactor(180, QString::fromLatin1(GetParam().measured), message);
    if (GetParam().factor == 0) {
        EXPECT_FALSE(factor);
        EXPECT_FALSE(message.isEmpty());
    } else {
        ASSERT_TRUE(factor);
        EXPECT_DOUBLE_EQ(*factor, GetParam().factor);
        EXPECT_TRUE(message.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, MeasuredLength,
    ::testing::Values(MeasuredCase { "180", 1 }, MeasuredCase { "179.3", 1.0039 },
        MeasuredCase { "179,30", 1.0039 }, MeasuredCase { " 181 ", 0.9945 }, MeasuredCase { "163.7", 1.0996 },
        MeasuredCase { "0", 0 }, MeasuredCase { "-3", 0 }, MeasuredCase { "abc", 0 },
        MeasuredCase { "0.5", 0 }, MeasuredCase { "2", 0 }, MeasuredCase { "", 0 }, MeasuredCase { "inf", 0 },
        MeasuredCase { "150", 0 }, MeasuredCase { "210", 0 }),
    [](const ::testing::TestParamInfo<MeasuredCase>& row) { return rowName(row.param.measured); });
