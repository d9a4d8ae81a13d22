#include "settings/SettingsModel.h"
#include "common/RuntimeError.h"

#include <QSignalSpy>
#include <array>
#include <gtest/gtest.h>

TEST(SettingsModel, StartsWithTheDesignValues)
{
    SettingsModel m;
    EXPECT_TRUE(m.option(Option::OneDeg));
    EXPECT_FALSE(m.option(Option::FiveDeg));
    EXPECT_TRUE(m.option(Option::AltDia));
    EXPECT_TRUE(m.option(Option::Altin));
    EXPECT_FALSE(m.option(Option::Altmm));
    EXPECT_TRUE(m.option(Option::Az));
    EXPECT_FALSE(m.option(Option::Ra));
    EXPECT_EQ(m.check(Check::BW), 1);
    EXPECT_EQ(m.check(Check::WB), 0);
    EXPECT_EQ(m.check(Check::AzCT), 1);
    EXPECT_EQ(m.text(SizeText::Altitude), QStringLiteral("3"));
    EXPECT_EQ(m.text(SizeText::Azimuth), QStringLiteral("3"));
    EXPECT_EQ(m.azimuthButtonCaption(), QStringLiteral("Print Az."));
}

/// The design values of one circle set.
struct CircleSetDefaults {
    int set;
    qint16 setCheck;
    std::array<qint32, 5> sliders; ///< SmallMark, FiveMark, TenMark, CircleWidth, Font
};

void PrintTo(const CircleSetDefaults& row, std::ostream* out)
{
    *out << "set " << row.set;
}

class CircleSetStarts : public ::testing::TestWithParam<CircleSetDefaults> { };

TEST_P(CircleSetStarts, WithItsDesignValues)
{
    const SettingsModel m;
    const CircleSetDefaults& expected = GetParam();
    EXPECT_EQ(m.setCheck(expected.set), expected.setCheck);
    EXPECT_EQ(m.circleEnabled(expected.set), expected.setCheck != 0);
    EXPECT_EQ(m.checkTop(expected.set), 1);
    const std::array<Slider, 5> sliders { Slider::SmallMark, Slider::FiveMark, Slider::TenMark,
        Slider::CircleWidth, Slider::Font };
    for (std::size_t i = 0; i < sliders.size(); ++i)
        EXPECT_EQ(m.slider(sliders[i], expected.set), expected.sliders[i]) << "slider " << i;
}

INSTANTIATE_TEST_SUITE_P(SettingsModel, CircleSetStarts,
    ::testing::Values(CircleSetDefaults { 1, 1, { 2, 3, 3, 100, 10 } },
        CircleSetDefaults { 2, 0, { 3, 3, 3, 100, 10 } }, CircleSetDefaults { 3, 0, { 3, 4, 4, 100, 10 } }),
    [](const ::testing::TestParamInfo<CircleSetDefaults>& row) {
        return "Set" + std::to_string(row.param.set);
    });

TEST(SettingsModel, OptionsSelectClearTheirPartnerAndRunTheirClick)
{
    SettingsModel m;
    m.setOption(Option::FiveDeg, true);
    EXPECT_TRUE(m.option(Option::FiveDeg));
    EXPECT_FALSE(m.option(Option::OneDeg));
    EXPECT_EQ(m.smallestMark(), 5.0);

    // Clearing without selecting the partner leaves the mirror alone.
    m.setOption(Option::FiveDeg, false);
    EXPECT_FALSE(m.option(Option::FiveDeg));
    EXPECT_FALSE(m.option(Option::OneDeg));
    EXPECT_EQ(m.smallestMark(), 5.0);

    m.setOption(Option::OneDeg, true);
    EXPECT_EQ(m.smallestMark(), 1.0);

    QSignalSpy caption(&m, &SettingsModel::azimuthButtonCaptionChanged);
    m.setOption(Option::Ra, true);
    EXPECT_EQ(m.azimuthButtonCaption(), QStringLiteral("Print RA"));
    EXPECT_FALSE(m.option(Option::Az));
    m.setOption(Option::Az, true);
    EXPECT_EQ(m.azimuthButtonCaption(), QStringLiteral("Print Az."));
    EXPECT_EQ(caption.count(), 2);
}

TEST(SettingsModel, AnOptionClickRunsOnlyWhenItBecomesSelected)
{
    SettingsModel m;
    m.setSmallestMark(7.0);
    m.setOption(Option::OneDeg, true); // already selected
    EXPECT_EQ(m.smallestMark(), 7.0);
}

TEST(StyleGuard, TheLastCheckedStyleSpringsBack)
{
    SettingsModel m;
    m.status().show(StatusLine::kStatusColor, QStringLiteral("old"));
    m.setCheck(Check::BW, 0);
    EXPECT_EQ(m.check(Check::BW), 1);
    EXPECT_EQ(m.status().text(), QStringLiteral("Cannot uncheck both circle styles."));
    EXPECT_EQ(m.status().color(), StatusLine::kErrorColor);
}

TEST(StyleGuard, ClearingOneOfTwoEmptiesTheStatusButKeepsItsColour)
{
    SettingsModel m;
    m.setCheck(Check::WB, 1);
    m.status().show(StatusLine::kErrorColor, QStringLiteral("some error"));
    m.setCheck(Check::BW, 0);
    EXPECT_EQ(m.check(Check::BW), 0);
    EXPECT_EQ(m.check(Check::WB), 1);
    EXPECT_TRUE(m.status().text().isEmpty());
    EXPECT_EQ(m.status().color(), StatusLine::kErrorColor);
}

TEST(StyleGuard, WhiteOnBlackFirstFromTheStoreLeavesBothChecked)
{
    // Loading "BW Ck" 0 before "WB Ck" 1 is refused by the guard.
    SettingsModel m;
    m.setCheck(Check::BW, 0);
    m.setCheck(Check::WB, 1);
    EXPECT_EQ(m.check(Check::BW), 1);
    EXPECT_EQ(m.check(Check::WB), 1);
}

TEST(SettingsModel, CheckValuesOutsideTheBoxAreRefused)
{
    SettingsModel m;
    EXPECT_THROW(m.setCheck(Check::AzCT, 3), RuntimeError);
    EXPECT_THROW(m.setSetCheck(2, -1), RuntimeError);
    EXPECT_EQ(m.check(Check::AzCT), 1);
    m.setSetCheck(2, 2); // grayed still prints the set
    EXPECT_TRUE(m.circleEnabled(2));
    m.setSetCheck(1, 0);
    EXPECT_FALSE(m.circleEnabled(1));
}

TEST(SettingsModel, SliderValuesAreClampedIntoTheirRange)
{
    SettingsModel m;
    QSignalSpy spy(&m, &SettingsModel::sliderChanged);
    m.setSlider(Slider::CircleWidth, 2, 1000);
    EXPECT_EQ(m.slider(Slider::CircleWidth, 2), 200);
    m.setSlider(Slider::Font, 3, -5);
    EXPECT_EQ(m.slider(Slider::Font, 3), 4);
    m.setSlider(Slider::TenMark, 1, 5);
    EXPECT_EQ(m.slider(Slider::TenMark, 1), 5);
    m.setSlider(Slider::CircleWidth, 1, 137); // any integer within range, not only steps
    EXPECT_EQ(m.slider(Slider::CircleWidth, 1), 137);
    EXPECT_EQ(spy.count(), 4);
    m.setSlider(Slider::CircleWidth, 1, 137);
    EXPECT_EQ(spy.count(), 4);
}
