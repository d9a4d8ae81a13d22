// One length limit for the two size texts: whatever the store hands the window, Save writes as a
// line that Restore reads back whole.
#include "settings/LastExitSettings.h"
#include "settings/QtSettingsStore.h"
#include "settings/SettingsFileFormat.h"

#include <QBuffer>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int restoreSaved(const SettingsModel& saved, SettingsModel& restored)
{
    QByteArray contents = SettingsFileFormat::contents(saved);
    QBuffer file(&contents);
    file.open(QIODevice::ReadOnly);
    return SettingsFileFormat::restore(restored, file);
}

/// A size text as a hand-edited store may hold it, and whether start takes it.
struct StoredSizeText {
    const char* name;
    QString text;
    bool taken;
};

void PrintTo(const StoredSizeText& row, std::ostream* out)
{
    *out << row.name;
}

class SizeTextFromTheStore : public ::testing::TestWithParam<StoredSizeText> {
protected:
    QTemporaryDir m_dir;
};

TEST_P(SizeTextFromTheStore, SurvivesSaveAndRestore)
{
    const QString ini = m_dir.filePath(QStringLiteral("Vennaros.ini"));
    {
        QSettings edit(ini, QSettings::IniFormat);
        edit.setValue(QStringLiteral("Defaults/Alt Tx"), GetParam().text);
    }
    QtSettingsStore store(ini);
    SettingsModel model;
    LastExitSettings(model, store).start();
    EXPECT_EQ(model.text(SizeText::Altitude).size(), GetParam().taken ? GetParam().text.size() : 1);
    EXPECT_EQ(model.status().text(), LastExitSettings::resetMessage());

    SettingsModel restored;
    EXPECT_EQ(restoreSaved(model, restored), SettingsFileFormat::kLineCount);
    EXPECT_TRUE(restored.text(SizeText::Altitude) == model.text(SizeText::Altitude));
}

constexpr qsizetype kLimit = SettingsModel::kMaxSizeTextLength;

INSTANTIATE_TEST_SUITE_P(SizeTextLimit, SizeTextFromTheStore,
    ::testing::Values(StoredSizeText { "AtTheLimit", QString(kLimit, QLatin1Char('7')), true },
        StoredSizeText { "AtTheLimitInThreeByteCharacters", QString(kLimit, QChar(0x65E5)), true },
        StoredSizeText { "OneOverTheLimit", QString(kLimit + 1, QLatin1Char('7')), false },
        // Once saved as a 70 KB line that Restore stopped at.
        StoredSizeText { "SeventyKilobytes", QString(70000, QLatin1Char('7')), false }),
    [](const ::testing::TestParamInfo<StoredSizeText>& row) { return std::string(row.param.name); });

TEST(SizeTextLimit, TheModelCutsALongerTextAtAWholeCharacter)
{
    SettingsModel model;
    model.setText(SizeText::Azimuth, QString(70000, QLatin1Char('9')));
    EXPECT_EQ(model.text(SizeText::Azimuth).size(), kLimit);
    SettingsModel restored;
    EXPECT_EQ(restoreSaved(model, restored), SettingsFileFormat::kLineCount);
    EXPECT_TRUE(restored.text(SizeText::Azimuth) == model.text(SizeText::Azimuth));

    model.setText(SizeText::Altitude, QString(kLimit - 1, QLatin1Char('9')) + QStringLiteral("\U0001F52D"));
    EXPECT_EQ(model.text(SizeText::Altitude).size(), kLimit - 1) << "never half a character";
}

} // namespace
