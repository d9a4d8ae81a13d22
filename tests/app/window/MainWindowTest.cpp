#include "app/window/Mnemonics.h"
#include "app/window/ReadableColour.h"
#include "app/window/StatusLabel.h"
#include "app/window/frmMain.h"
#include "support/RowName.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace {

template <typename T> T* child(QWidget& window, const QString& name)
{
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// The caption as shown: without the mark of its mnemonic.
QString caption(QAbstractButton* button)
{
    return button->text().remove(QLatin1Char('&'));
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
        caption(child<QPushButton>(window, QStringLiteral("PrintButton"))), QStringLiteral("Print Alt."));
    EXPECT_EQ(
        caption(child<QPushButton>(window, QStringLiteral("PrintAzButton"))), QStringLiteral("Print Az."));
    EXPECT_EQ(child<QRadioButton>(window, QStringLiteral("OneDegOption"))->text(), QStringLiteral("1\u00b0"));
    EXPECT_EQ(child<QCheckBox>(window, QStringLiteral("AzCTCheck"))->toolTip(),
        QStringLiteral("Az circle left to right numbers increase"));
    EXPECT_EQ(child<QPushButton>(window, QStringLiteral("ResetButton"))->toolTip(),
        QStringLiteral("Reset to last exit settings from registry"));
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("Label1"))->text(),
        QStringLiteral("Paper and orientation are kept for each printer."));
    EXPECT_EQ(caption(child<QCheckBox>(window, QStringLiteral("SetCheck2"))),
        QStringLiteral("2nd Circle to Print"));
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
    auto* page = child<QGroupBox>(window, QStringLiteral("PageGroup"));
    EXPECT_EQ(page->title(), QStringLiteral("Page"));
    EXPECT_EQ(box->parentWidget(), page);
    EXPECT_EQ(caption(box), QString::fromLatin1(GetParam().caption));
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
        PageCheckCase { "BothWaysCheck", "Numbers both ways", Check::BothWays },
        PageCheckCase { "RingsCheck", "Print rings instead of strips", Check::Rings },
        PageCheckCase { "HalfDegCheck", "Half-degree marks", Check::HalfDeg },
        PageCheckCase { "SignedDecCheck", "Signed declination", Check::SignedDec },
        PageCheckCase { "ClosingTabCheck", "Closing tab", Check::ClosingTab },
        PageCheckCase { "RingFromCentreCheck", "Ring read from its centre", Check::RingFromCentre }),
    [](const ::testing::TestParamInfo<PageCheckCase>& row) { return std::string(row.param.name); });

TEST_F(MainWindow, ThePageRowHoldsItsOptionsAndButtonsBelowTheDesignLayoutInTabOrder)
{
    auto* page = child<QGroupBox>(window, QStringLiteral("PageGroup"));
    auto* scale = child<QPushButton>(window, QStringLiteral("PrinterScaleButton"));
    EXPECT_EQ(caption(scale), QStringLiteral("Printer scale..."));
    QSignalSpy requested(&window, &frmMain::printerScaleRequested);
    click(scale);
    EXPECT_EQ(requested.count(), 1);

    const QWidget* restore = child<QWidget>(window, QStringLiteral("RestoreButton"));
    EXPECT_GT(page->geometry().top(), restore->geometry().bottom());
    EXPECT_LE(page->geometry().bottom(), window.centralWidget()->height());
    // Left to right, the check boxes on three lines and the buttons on the next: the Tab key follows.
    const char* const order[]
        = { "ScaleCheck", "SplitLongCheck", "VernierCheck", "BothWaysCheck", "RingsCheck", "HalfDegCheck",
              "SignedDecCheck", "ZeroAtText", "ClosingTabCheck", "RingFromCentreCheck", "ArcFromText",
              "ArcToText", "PrinterScaleButton", "PageSetupButton", "PreviewButton", "PreviewAzButton" };
    QWidget* previous = nullptr;
    for (const char* name : order) {
        SCOPED_TRACE(name);
        QWidget* widget = child<QWidget>(window, QLatin1String(name));
        EXPECT_EQ(widget->parentWidget(), page);
        EXPECT_TRUE(page->rect().contains(widget->geometry()));
        EXPECT_TRUE(widget->isVisible());
        // A caption is shown whole; a box scrolls its text.
        if (qobject_cast<QLineEdit*>(widget) == nullptr) {
            EXPECT_GE(widget->width(), widget->sizeHint().width());
        }
        if (previous != nullptr) {
            EXPECT_EQ(previous->nextInFocusChain(), widget);
            const bool sameLine = previous->geometry().top() == widget->geometry().top();
            EXPECT_TRUE(sameLine ? previous->geometry().right() < widget->geometry().left()
                                 : previous->geometry().bottom() < widget->geometry().top());
        }
        previous = widget;
    }
}

// The Tab key from the first control round the whole window, the options as they start.
TEST_F(MainWindow, TabGoesRoundTheWindowInOneOrder)
{
    const std::vector<QString> expected = [] {
        std::vector<QString> names;
        for (const char* name :
            { "OneDegOption", "BWCheck", "WBCheck", "DECLtext", "AltDiaOption", "AltinOption", "PrintButton",
                "AzOption", "AzCTCheck", "AzText", "AzDiaOption", "AzinOption", "PrintAzButton" })
            names.push_back(QLatin1String(name));
        for (int set = 1; set <= 3; ++set) {
            for (const char* name : { "SetCheck", "CheckTop", "SmallMarkSlider", "FiveMarkSlider",
                     "TenMarkSlider", "CircleWidthSlider", "FontSlider" })
                names.push_back(QLatin1String(name) + QString::number(set));
        }
        for (const char* name : { "QuitButton", "ExitButton", "ResetButton", "SaveButton", "RestoreButton",
                 "ScaleCheck", "SplitLongCheck", "VernierCheck", "BothWaysCheck", "RingsCheck",
                 "HalfDegCheck", "SignedDecCheck", "ZeroAtText", "ClosingTabCheck", "RingFromCentreCheck",
                 "ArcFromText", "ArcToText", "PrinterScaleButton", "PageSetupButton", "PreviewButton",
                 "PreviewAzButton", "OneDegOption" })
            names.push_back(QLatin1String(name));
        return names;
    }();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    child<QWidget>(window, expected.front())->setFocus(Qt::TabFocusReason);
    std::vector<QString> visited { QApplication::focusWidget()->objectName() };
    for (std::size_t step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
}

namespace {

struct SizeKeyRow {
    const char* name;
    Qt::Key key; ///< with Alt
    const char* sizeBox;
    std::vector<const char*> thenTab; ///< where Tab goes from the size box
};

class SizeGroupKeys : public MainWindow, public ::testing::WithParamInterface<SizeKeyRow> { };

} // namespace

// Each size group is entered at its size box by its caption's Alt key, and Tab goes through it
// the same way: what the size is, its unit, its print button.
TEST_P(SizeGroupKeys, EnterAtTheSizeBoxAndTabTheSameWay)
{
    const SizeKeyRow& row = GetParam();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    child<QWidget>(window, QStringLiteral("ScaleCheck"))->setFocus();
    // A control of the group had the focus before: the key still goes to the size box.
    child<QWidget>(window, QLatin1String(row.thenTab.back()))->setFocus();
    child<QWidget>(window, QStringLiteral("ScaleCheck"))->setFocus();
    QTest::keyClick(&window, row.key, Qt::AltModifier);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(row.sizeBox));
    for (const char* next : row.thenTab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(next));
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, SizeGroupKeys,
    ::testing::Values(
        SizeKeyRow { "Altitude", Qt::Key_U, "DECLtext", { "AltDiaOption", "AltinOption", "PrintButton" } },
        SizeKeyRow { "Azimuth", Qt::Key_M, "AzText", { "AzDiaOption", "AzinOption", "PrintAzButton" } }),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainWindow, NoTwoMnemonicsOfTheWindowShareAKey)
{
    std::map<QChar, QString> keys;
    const QStringList clashes = mnemonicClashes(window, keys);
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QStringLiteral("\n")).toStdString();
    EXPECT_GE(keys.size(), 22u);
    EXPECT_EQ(keys[QLatin1Char('u')], QStringLiteral("Altit&ude / DECL Circle Size"));
    EXPECT_EQ(keys[QLatin1Char('m')], QStringLiteral("Azi&muth / RA Circle Size"));
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
        caption(child<QPushButton>(window, QStringLiteral("PrintAzButton"))), QStringLiteral("Print RA"));
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

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(interface, nullptr) << widget->objectName().toStdString();
    return interface;
}

class OptionPair : public MainWindow,
                   public ::testing::WithParamInterface<std::tuple<const char*, const char*, Option>> { };

std::string pairRowName(const ::testing::TestParamInfo<OptionPair::ParamType>& row)
{
    return rowName(std::get<0>(row.param));
}

} // namespace

TEST_P(OptionPair, IsOneGroupOfRadioButtonsThatMayHaveNeitherSelected)
{
    const auto [firstName, secondName, firstOption] = GetParam();
    auto* first = child<QRadioButton>(window, QLatin1String(firstName));
    auto* second = child<QRadioButton>(window, QLatin1String(secondName));
    for (QRadioButton* button : { first, second }) {
        EXPECT_EQ(accessible(button)->role(), QAccessible::RadioButton);
        EXPECT_EQ(accessible(button)->text(QAccessible::Name), button->text());
    }
    EXPECT_EQ(accessible(first)->state().checked, model.option(firstOption));

    // Reset and Restore may clear both; the pair shows it and can be chosen again.
    model.setOption(firstOption, false);
    model.setOption(SettingsModel::partner(firstOption), false);
    EXPECT_FALSE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
    EXPECT_FALSE(accessible(first)->state().checked);
    click(second);
    EXPECT_TRUE(second->isChecked());
    EXPECT_TRUE(model.option(SettingsModel::partner(firstOption)));
    click(first);
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Pairs, OptionPair,
    ::testing::Values(std::make_tuple("OneDegOption", "FiveDegOption", Option::OneDeg),
        std::make_tuple("AltDiaOption", "AltLenOption", Option::AltDia),
        std::make_tuple("AltmmOption", "AltinOption", Option::Altmm),
        std::make_tuple("AzDiaOption", "AzLenOption", Option::AzDia),
        std::make_tuple("AzmmOption", "AzinOption", Option::Azmm),
        std::make_tuple("RaOption", "AzOption", Option::Ra)),
    pairRowName);

TEST_F(MainWindow, APairIsOneTabStopMovedWithTheArrowKeys)
{
    auto* one = child<QRadioButton>(window, QStringLiteral("OneDegOption"));
    auto* five = child<QRadioButton>(window, QStringLiteral("FiveDegOption"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    one->setFocus(Qt::TabFocusReason);
    QTest::keyClick(one, Qt::Key_Right);
    EXPECT_TRUE(five->hasFocus());
    EXPECT_TRUE(model.option(Option::FiveDeg));
    EXPECT_EQ(model.smallestMark(), 5.0);

    // Tab leaves the pair for the next control, and Shift+Tab comes back to the selected option.
    QTest::keyClick(five, Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, one);
    EXPECT_EQ(next->objectName(), QStringLiteral("BWCheck"));
    QTest::keyClick(next, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), five);

    // After Reset selects the other option, Tab lands on that one.
    model.setOption(Option::OneDeg, true);
    EXPECT_TRUE(one->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(five->focusPolicy() & Qt::TabFocus);
}

TEST_F(MainWindow, TheStatusLineSaysItsMessageAndAlertsOnErrors)
{
    auto* status = child<StatusLabel>(window, QStringLiteral("DECLlabel"));
    QSignalSpy announced(status, &StatusLabel::announced);
    click(child<QCheckBox>(window, QStringLiteral("BWCheck"))); // refused
    QCoreApplication::processEvents();

    QAccessibleInterface* line = accessible(status);
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Cannot uncheck both circle styles."));
    ASSERT_NE(line->textInterface(), nullptr);
    EXPECT_EQ(line->textInterface()->text(0, line->textInterface()->characterCount()),
        QStringLiteral("Cannot uncheck both circle styles."));
    ASSERT_EQ(announced.count(), 1); // once, although colour and text changed one after the other
    EXPECT_EQ(announced.at(0), QVariantList({ QStringLiteral("Cannot uncheck both circle styles."), true }));

    // A success is announced without an alert; the same refusal again is announced again.
    model.status().show(StatusLine::kStatusColor, QStringLiteral("Settings saved"));
    QCoreApplication::processEvents();
    EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Settings saved"));
    EXPECT_EQ(announced.at(1), QVariantList({ QStringLiteral("Settings saved"), false }));
    click(child<QCheckBox>(window, QStringLiteral("BWCheck")));
    QCoreApplication::processEvents();
    click(child<QCheckBox>(window, QStringLiteral("BWCheck")));
    QCoreApplication::processEvents();
    ASSERT_EQ(announced.count(), 4);
    EXPECT_EQ(announced.at(3), QVariantList({ QStringLiteral("Cannot uncheck both circle styles."), true }));
}

TEST_F(MainWindow, AValueLabelSaysWhatItCountsAndItsNumber)
{
    window.refreshValueLabels();
    auto* label = child<QLabel>(window, QStringLiteral("SmallMarkLabel1"));
    EXPECT_EQ(accessible(label)->text(QAccessible::Name), QStringLiteral("Smallest Mark Width 1: 2"));
    child<QSlider>(window, QStringLiteral("FontSlider3"))->setValue(12);
    EXPECT_EQ(accessible(child<QLabel>(window, QStringLiteral("FontLabel3")))->text(QAccessible::Name),
        QStringLiteral("Text Font Size 3: 12"));
}

namespace {

struct OnPaperRow {
    const char* name;
    const char* slider; ///< its object name; the label's is the same with "Label"
    int value;
    bool inches; ///< both sizes typed in inches
    const char* said; ///< the label's tool tip and accessible description
};

class ValueOnPaper : public MainWindow, public ::testing::WithParamInterface<OnPaperRow> { };

} // namespace

// What a slider's number comes to on paper, in the unit the sizes are typed in.
TEST_P(ValueOnPaper, IsTheLabelsToolTipAndDescription)
{
    const OnPaperRow& row = GetParam();
    model.setOption(row.inches ? Option::Altin : Option::Altmm, true);
    model.setOption(Option::Azin, true);
    auto* slider = child<QSlider>(window, QString::fromLatin1(row.slider));
    slider->setValue(slider->minimum());
    slider->setValue(row.value);
    auto* label = child<QLabel>(
        window, QString::fromLatin1(row.slider).replace(QStringLiteral("Slider"), QStringLiteral("Label")));
    EXPECT_EQ(label->text(), QString::number(row.value)) << "the number stays";
    EXPECT_EQ(label->toolTip().toStdString(), row.said);
    EXPECT_EQ(accessible(label)->text(QAccessible::Description).toStdString(), row.said);
}

INSTANTIATE_TEST_SUITE_P(Sliders, ValueOnPaper,
    ::testing::Values(OnPaperRow { "SmallestMark", "SmallMarkSlider1", 2, false, "2 = 0.085 mm line" },
        OnPaperRow { "FiveMark", "FiveMarkSlider2", 4, false, "4 = 0.169 mm line" },
        OnPaperRow { "TenMarkInches", "TenMarkSlider3", 5, true, "5 = 0.0083 in. line" },
        OnPaperRow { "Height", "CircleWidthSlider1", 100, false, "100 = 1.76 mm" },
        OnPaperRow { "HeightInches", "CircleWidthSlider2", 150, true, "150 = 0.104 in." },
        OnPaperRow { "Font", "FontSlider3", 10, false, "10 pt = 3.5 mm digits" },
        OnPaperRow { "FontInches", "FontSlider1", 14, true, "14 pt = 0.19 in. digits" }),
    [](const auto& row) { return std::string(row.param.name); });

// Turned to millimetres, every label says so at once, not at its slider's next move.
TEST_F(MainWindow, ValueLabelsFollowTheUnitOfTheSizes)
{
    window.refreshValueLabels();
    auto* label = child<QLabel>(window, QStringLiteral("CircleWidthLabel3"));
    EXPECT_EQ(label->toolTip(), QStringLiteral("100 = 0.069 in.")) << "both sizes in inches at first";
    model.setOption(Option::Azmm, true);
    EXPECT_EQ(label->toolTip(), QStringLiteral("100 = 1.76 mm"));
}

namespace {

struct ColourRow {
    const char* name;
    const char* label; ///< its object name
    QColor designed;
    std::optional<quint32> status; ///< the status line's colour to show first
};

class FixedColour : public ::testing::TestWithParam<ColourRow> { };

// The colour a label's style sheet gives it.
QColor shownColour(QWidget& window, const char* label)
{
    return QColor(
        child<QLabel>(window, QLatin1String(label))->styleSheet().section(QLatin1Char(' '), 1).chopped(1));
}

} // namespace

TEST_P(FixedColour, IsTheDesignOnALightWindowAndReadsOnADarkOne)
{
    const ColourRow& row = GetParam();
    SettingsModel model;
    frmMain window(model);
    if (row.status)
        model.status().show(*row.status, QStringLiteral("Printing altitude..."));
    EXPECT_EQ(shownColour(window, row.label), row.designed);

    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    window.setPalette(dark);
    const QColor shown = shownColour(window, row.label);
    EXPECT_GE(readable::contrast(shown, dark.color(QPalette::Window)), readable::kMinimumContrast);
    EXPECT_NEAR(shown.hslHueF(), row.designed.hslHueF(), 0.01) << "the same hue";
    EXPECT_GT(shown.lightnessF(), row.designed.lightnessF());

    window.setPalette(QPalette(QColor(0xef, 0xef, 0xef)));
    EXPECT_EQ(shownColour(window, row.label), row.designed) << "back on a light window";
}

INSTANTIATE_TEST_SUITE_P(Labels, FixedColour,
    ::testing::Values(ColourRow { "Progress", "DECLlabel", QColor(0, 128, 0), StatusLine::kStatusColor },
        ColourRow { "Error", "DECLlabel", QColor(192, 0, 0), StatusLine::kErrorColor },
        ColourRow { "Note", "Label1", QColor(0, 0, 192), std::nullopt },
        ColourRow { "Version", "VerLabel", QColor(0, 128, 0), std::nullopt }),
    [](const ::testing::TestParamInfo<ColourRow>& row) { return std::string(row.param.name); });

TEST(MainWindowFont, FollowsTheDesktopFontAndMayBeResized)
{
    SettingsModel model;
    frmMain standard(model);
    const QFont desktop = QApplication::font();
    QFont larger = desktop;
    larger.setPointSizeF(14);
    QApplication::setFont(larger);
    frmMain grown(model);
    QApplication::setFont(desktop);

    const double scale = 14.0 / 9.0;
    for (const char* name : { "Label1", "DECLlabel", "PrintButton", "SetCheck1", "PageSetupButton" }) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(child<QWidget>(grown, QLatin1String(name))->font().pointSizeF(),
            child<QWidget>(standard, QLatin1String(name))->font().pointSizeF() * scale, 0.01);
        EXPECT_NEAR(child<QWidget>(grown, QLatin1String(name))->geometry().left(),
            child<QWidget>(standard, QLatin1String(name))->geometry().left() * scale, 1.0);
    }
    EXPECT_EQ(child<QWidget>(standard, QStringLiteral("Label1"))->font().pointSizeF(), 9.0) << "as designed";
    EXPECT_NEAR(grown.width(), standard.width() * scale, 2.0);
    // Smaller than the design, the window scrolls it; nothing holds it at one size.
    EXPECT_LT(grown.minimumWidth(), grown.width());
    EXPECT_GT(grown.maximumWidth(), grown.width());
}
