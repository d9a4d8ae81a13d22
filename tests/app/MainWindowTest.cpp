#include "app/frmMain.h"
#include "support/RowName.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <typename T> T* child(QWidget& window, const QString& name)
{
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

class MainWindow : public ::testing::Test {
protected:
    MainWindow()
        : window(model)
    {
        window.show();
    }
    void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QString statusText() { return child<QLabel>(window, QStringLiteral("DECLlabel"))->text(); }

    SettingsModel model;
    frmMain window;
};

} // namespace

TEST_F(MainWindow, ShowsEveryControlWithItsCaption)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Vennaros"));
    EXPECT_EQ(
        child<QPushButton>(window, QStringLiteral("PrintButton"))->text(), QStringLiteral("Print Alt."));
    EXPECT_EQ(
        child<QPushButton>(window, QStringLiteral("PrintAzButton"))->text(), QStringLiteral("Print Az."));
    EXPECT_EQ(child<QRadioButton>(window, QStringLiteral("OneDegOption"))->text(), QStringLiteral("1\u00b0"));
    EXPECT_EQ(child<QCheckBox>(window, QStringLiteral("AzCTCheck"))->toolTip(),
        QStringLiteral("Az circle left to right numbers increase"));
    EXPECT_EQ(child<QPushButton>(window, QStringLiteral("ResetButton"))->toolTip(),
        QStringLiteral("Reset to last exit settings from registry"));
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("Label1"))->text(),
        QStringLiteral("Printer settings are not remembered between prints."));
    EXPECT_EQ(
        child<QCheckBox>(window, QStringLiteral("SetCheck2"))->text(), QStringLiteral("2nd Circle to Print"));
    window.showVersion();
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("VerLabel"))->text(),
        QStringLiteral("Version 3.2  17-Jul-2010"));
}

namespace {

class CircleSetControl : public MainWindow, public ::testing::WithParamInterface<const char*> { };

} // namespace

TEST_P(CircleSetControl, StandsInEveryCircleSet)
{
    for (int set = 1; set <= kCircleSets; ++set)
        child<QWidget>(window, QStringLiteral("%1%2").arg(QLatin1String(GetParam())).arg(set));
}

INSTANTIATE_TEST_SUITE_P(Names, CircleSetControl,
    ::testing::Values("SmallMarkSlider", "FiveMarkSlider", "TenMarkSlider", "CircleWidthSlider", "FontSlider",
        "SmallMarkLabel", "FiveMarkLabel", "TenMarkLabel", "CircleWidthLabel", "FontLabel", "CheckTop",
        "SetCheck"),
    textRowName);

namespace {

struct PageCheckCase {
    const char* name;
    const char* caption;
    Check check;
};

class PageCheck : public MainWindow, public ::testing::WithParamInterface<PageCheckCase> { };

} // namespace

TEST_P(PageCheck, StandsInThePageRowAndFollowsTheModel)
{
    auto* box = child<QCheckBox>(window, QString::fromLatin1(GetParam().name));
    auto* page = child<QGroupBox>(window, QStringLiteral("PageFrame"));
    EXPECT_EQ(page->title(), QStringLiteral("Page"));
    EXPECT_EQ(box->parentWidget(), page);
    EXPECT_EQ(box->text(), QString::fromLatin1(GetParam().caption));
    EXPECT_FALSE(box->isChecked());
    click(box);
    EXPECT_EQ(model.check(GetParam().check), SettingsModel::kChecked);
    model.setCheck(GetParam().check, SettingsModel::kUnchecked); // as Reset would
    EXPECT_FALSE(box->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Boxes, PageCheck,
    ::testing::Values(PageCheckCase { "ScaleCheck", "Print scale check", Check::ScaleCheck },
        PageCheckCase { "SplitLongCheck", "Split long strips over pages", Check::SplitLong },
        PageCheckCase { "VernierCheck", "Print verniers", Check::Verniers },
        PageCheckCase { "BothWaysCheck", "Numbers both ways", Check::BothWays }),
    [](const ::testing::TestParamInfo<PageCheckCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindow, ThePageRowHoldsTwoMoreButtonsBelowTheDesignLayout)
{
    auto* page = child<QGroupBox>(window, QStringLiteral("PageFrame"));
    auto* scale = child<QPushButton>(window, QStringLiteral("PrinterScaleButton"));
    EXPECT_EQ(scale->text(), QStringLiteral("Printer scale..."));
    QSignalSpy requested(&window, &frmMain::printerScaleRequested);
    click(scale);
    EXPECT_EQ(requested.count(), 1);

    const QWidget* restore = child<QWidget>(window, QStringLiteral("RestoreButton"));
    EXPECT_GT(page->geometry().top(), restore->geometry().bottom());
    EXPECT_LE(page->geometry().bottom(), window.height());
    QPushButton* alt = window.addPageButton("PreviewAltButton", QStringLiteral("Preview Alt."));
    QPushButton* az = window.addPageButton("PreviewAzButton", QStringLiteral("Preview Az."));
    for (QWidget* button :
        { static_cast<QWidget*>(scale), static_cast<QWidget*>(alt), static_cast<QWidget*>(az) }) {
        EXPECT_TRUE(page->rect().contains(button->geometry())) << button->objectName().toStdString();
        EXPECT_TRUE(button->isVisible());
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->objectName().toStdString();
    }
    EXPECT_LE(alt->geometry().right(), az->geometry().left());
    EXPECT_LE(scale->geometry().right(), alt->geometry().left());
    const char* const boxes[] = { "ScaleCheck", "SplitLongCheck", "VernierCheck", "BothWaysCheck" };
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const QRect box = child<QCheckBox>(window, QLatin1String(boxes[i]))->geometry();
        EXPECT_LE(box.right(),
            i + 1 < std::size(boxes)
                ? child<QCheckBox>(window, QLatin1String(boxes[i + 1]))->geometry().left()
                : page->width())
            << boxes[i];
    }
}

TEST_F(MainWindow, SlidersHaveTheirRangesAndLabelsFollowThem)
{
    auto* font = child<QSlider>(window, QStringLiteral("FontSlider2"));
    EXPECT_EQ(font->minimum(), 4);
    EXPECT_EQ(font->maximum(), 14);
    EXPECT_EQ(font->pageStep(), 2);
    auto* height = child<QSlider>(window, QStringLiteral("CircleWidthSlider3"));
    EXPECT_EQ(height->minimum(), 50);
    EXPECT_EQ(height->singleStep(), 50);
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("FontLabel2"))->text(), QStringLiteral("n"));
    window.refreshValueLabels();
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("CircleWidthLabel3"))->text(), QStringLiteral("100"));

    height->setFocus();
    QTest::keyClick(height, Qt::Key_Right);
    EXPECT_EQ(model.slider(Slider::CircleWidth, 3), 150);
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("CircleWidthLabel3"))->text(), QStringLiteral("150"));

    model.setSlider(Slider::Font, 2, 13); // as Reset or Restore would
    EXPECT_EQ(font->value(), 13);
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("FontLabel2"))->text(), QStringLiteral("13"));
}

TEST_F(MainWindow, StyleGuardKeepsOneStyleChecked)
{
    auto* bw = child<QCheckBox>(window, QStringLiteral("BWCheck"));
    auto* wb = child<QCheckBox>(window, QStringLiteral("WBCheck"));
    click(bw);
    EXPECT_TRUE(bw->isChecked());
    EXPECT_EQ(model.check(Check::BW), 1);
    EXPECT_EQ(statusText(), QStringLiteral("Cannot uncheck both circle styles."));
    EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);

    click(wb);
    click(bw);
    EXPECT_FALSE(bw->isChecked());
    EXPECT_TRUE(wb->isChecked());
    EXPECT_TRUE(statusText().isEmpty());
}

TEST_F(MainWindow, OptionsMirrorsAndTheAzimuthButtonCaption)
{
    auto* five = child<QRadioButton>(window, QStringLiteral("FiveDegOption"));
    auto* one = child<QRadioButton>(window, QStringLiteral("OneDegOption"));
    click(five);
    EXPECT_TRUE(five->isChecked());
    EXPECT_FALSE(one->isChecked());
    EXPECT_EQ(model.smallestMark(), 5.0);
    click(five); // clicking the selected option keeps it selected
    EXPECT_TRUE(five->isChecked());

    click(child<QRadioButton>(window, QStringLiteral("RaOption")));
    EXPECT_EQ(
        child<QPushButton>(window, QStringLiteral("PrintAzButton"))->text(), QStringLiteral("Print RA"));
    EXPECT_FALSE(child<QRadioButton>(window, QStringLiteral("AzOption"))->isChecked());

    // A pair may be left with neither selected by stored settings; the window shows that.
    model.setOption(Option::AltDia, false);
    EXPECT_FALSE(child<QRadioButton>(window, QStringLiteral("AltDiaOption"))->isChecked());
    EXPECT_FALSE(child<QRadioButton>(window, QStringLiteral("AltLenOption"))->isChecked());

    auto* set2 = child<QCheckBox>(window, QStringLiteral("SetCheck2"));
    click(set2);
    EXPECT_TRUE(model.circleEnabled(2));
    model.setSetCheck(2, 2);
    EXPECT_EQ(set2->checkState(), Qt::PartiallyChecked);
}

TEST_F(MainWindow, SizeTextsEditTheModel)
{
    auto* decl = child<QLineEdit>(window, QStringLiteral("DECLtext"));
    decl->setFocus();
    decl->selectAll();
    QTest::keyClicks(decl, QStringLiteral("80"));
    EXPECT_EQ(model.text(SizeText::Altitude), QStringLiteral("80"));
    model.setText(SizeText::Azimuth, QStringLiteral("12.5"));
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("AzText"))->text(), QStringLiteral("12.5"));
}

TEST_F(MainWindow, EveryControlHasAnAccessibleName)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->focusPolicy() || qobject_cast<QLabel*>(widget))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
    }
    auto* slider = child<QSlider>(window, QStringLiteral("TenMarkSlider2"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(slider)->text(QAccessible::Name),
        QStringLiteral("10\u00b0 Mark Width 2"));
}

TEST_F(MainWindow, QuitClosesWithoutRunningExit)
{
    QSignalSpy exits(&window, &frmMain::exitRequested);
    click(child<QPushButton>(window, QStringLiteral("QuitButton")));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(exits.count(), 0);
}

TEST_F(MainWindow, ExitLeavesClosingToWhoeverSavesTheSettings)
{
    QSignalSpy exits(&window, &frmMain::exitRequested);
    click(child<QPushButton>(window, QStringLiteral("ExitButton")));
    EXPECT_EQ(exits.count(), 1);
    EXPECT_TRUE(window.isVisible()); // nobody saved them here
}

TEST_F(MainWindow, APositionOffEveryScreenIsPulledBack)
{
    window.moveToTwips(2000, 1000);
    EXPECT_NEAR(window.positionTwips().y(), 2000, 15);
    EXPECT_NEAR(window.positionTwips().x(), 1000, 15);
    window.moveToTwips(-500000, 900000);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.pos()));
}
