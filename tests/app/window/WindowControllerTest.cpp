// The whole window as a user drives it, with a real settings file in a temporary folder, scripted
// printers and dialogs, and pages recorded instead of printed.
#include "app/window/WindowController.h"
#include "app/ProgramInfo.h"
#include "app/help/AboutDialog.h"
#include "app/help/UserGuideWindow.h"
#include "app/preview/PreviewSheet.h"
#include "app/preview/PreviewWindow.h"
#include "app/window/frmMain.h"
#include "settings/PrinterScales.h"
#include "settings/QtSettingsStore.h"
#include "support/ScriptedPrinters.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class FilePrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup&) override { return path; }
    std::optional<QString> chooseFileAndChoice(const FileDialogSetup& setup, int& choice) override
    {
        shownChoices = setup.choices;
        shownChoice = choice;
        if (path && choose)
            choice = *choose;
        return path;
    }
    bool confirmOverwrite(const QString&, const QString&) override { return true; }
    void showError(const QString& title, const QString&) override { errors.push_back(title); }

    std::optional<QString> path;
    std::optional<int> choose; ///< what the user picks in the dialog's list
    QStringList shownChoices;
    int shownChoice = -1;
    QStringList errors;
};

/// One run of the program: a fresh model and window over the same store file.
struct Session {
    explicit Session(const QString& iniPath, ScriptedPrinterSystem& printers, ScriptedPrintDialog& dialog)
        : store(iniPath)
        , window(model)
        , controller(window, { store, printers, dialog, prompts })
    {
        controller.start();
        window.show();
    }

    template <typename T> T* child(const char* name) { return window.findChild<T*>(QLatin1String(name)); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    QString status() { return child<QLabel>("DECLlabel")->text(); }

    SettingsModel model;
    QtSettingsStore store;
    FilePrompts prompts;
    frmMain window;
    WindowController controller;
};

class Program : public ::testing::Test {
protected:
    Program() { printers.add(QStringLiteral("Laser")).setPageWidth(16838); }
    QString ini() const { return dir.filePath(QStringLiteral("Vennaros.ini")); }

    QTemporaryDir dir;
    ScriptedPrinterSystem printers;
    ScriptedPrintDialog dialog;
};

} // namespace

// A factor kept in another form, or out of range, is not dropped without a word: said once at start,
// in the dialog too, and the window prints unscaled.
TEST_F(Program, AnUnusablePrinterScaleIsSaidAtStart)
{
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Printer%20Scale]\nLaser=1.5 1\nInkjet=\"0,998 1,002\"\n");
    file.close();
    Session run(ini(), printers, dialog);
    EXPECT_EQ(run.status().toStdString(),
        "Printer scale for 'Laser' ignored: \"1.5 1\" is not two factors from 0.9 to 1.1; it prints "
        "unscaled.");
    EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);

    PrinterScales scales(run.store);
    EXPECT_EQ(scales.factors(QStringLiteral("Inkjet")).alongWidth, 0.998) << "a comma is a decimal point";
}

TEST_F(Program, FirstRunShowsTheDefaults)
{
    Session run(ini(), printers, dialog);
    EXPECT_EQ(run.status(), QStringLiteral("Settings reset to last exit values"));
    EXPECT_EQ(run.model.status().color(), StatusLine::kStatusColor);
    EXPECT_EQ(run.child<QLabel>("VerLabel")->text(), QStringLiteral("Version 3.2  17-Jul-2010"));
    EXPECT_EQ(run.child<QLabel>("SmallMarkLabel1")->text(), QStringLiteral("2"));
    EXPECT_EQ(run.child<QLabel>("FiveMarkLabel3")->text(), QStringLiteral("4"));
    EXPECT_TRUE(run.child<QRadioButton>("AltinOption")->isChecked());
    EXPECT_EQ(run.child<QLineEdit>("DECLtext")->text(), QStringLiteral("3"));
    EXPECT_NEAR(run.window.positionTwips().y(), 2000, 15);
    EXPECT_NEAR(run.window.positionTwips().x(), 1000, 15);
}

TEST_F(Program, ExitKeepsEverySettingButScaleOnTopForTheNextStart)
{
    {
        Session run(ini(), printers, dialog);
        run.click("FiveDegOption");
        run.click("WBCheck");
        run.click("RaOption");
        run.click("CheckTop2");
        run.click("SetCheck3");
        run.model.setText(SizeText::Azimuth, QStringLiteral("80"));
        run.child<QSlider>("CircleWidthSlider3")->setValue(150);
        run.click("ExitButton");
        EXPECT_FALSE(run.window.isVisible());
        EXPECT_EQ(run.status(), QStringLiteral("Settings saved"));
    }
    Session next(ini(), printers, dialog);
    EXPECT_TRUE(next.child<QRadioButton>("FiveDegOption")->isChecked());
    EXPECT_EQ(next.model.smallestMark(), 5.0);
    EXPECT_TRUE(next.child<QCheckBox>("WBCheck")->isChecked());
    EXPECT_EQ(next.child<QPushButton>("PrintAzButton")->text().remove(QLatin1Char('&')),
        QStringLiteral("Print RA"));
    EXPECT_TRUE(next.child<QCheckBox>("CheckTop2")->isChecked()); // not kept
    EXPECT_TRUE(next.model.circleEnabled(3));
    EXPECT_EQ(next.child<QLineEdit>("AzText")->text(), QStringLiteral("80"));
    EXPECT_EQ(next.child<QLabel>("CircleWidthLabel3")->text(), QStringLiteral("150"));
}

TEST_F(Program, QuitAndTheTitleBarKeepNothing)
{
    {
        Session run(ini(), printers, dialog);
        run.click("FiveDegOption");
        run.click("QuitButton");
    }
    {
        Session run(ini(), printers, dialog);
        run.click("FiveDegOption");
        run.window.close();
    }
    Session next(ini(), printers, dialog);
    EXPECT_TRUE(next.child<QRadioButton>("OneDegOption")->isChecked());
}

TEST_F(Program, ResetPutsTheStoredValuesBack)
{
    Session run(ini(), printers, dialog);
    run.child<QSlider>("FontSlider1")->setValue(14);
    run.click("BWCheck"); // refused: an error in the status line
    EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);
    run.click("ResetButton");
    EXPECT_EQ(run.child<QSlider>("FontSlider1")->value(), 10);
    EXPECT_EQ(run.child<QLabel>("FontLabel1")->text(), QStringLiteral("10"));
    EXPECT_EQ(run.status(), QStringLiteral("Settings reset to last exit values"));
    EXPECT_EQ(run.model.status().color(), StatusLine::kStatusColor);
}

TEST_F(Program, PrintAltPrintsThePageOnTheChosenPrinter)
{
    Session run(ini(), printers, dialog);
    dialog.choose(QStringLiteral("Laser"), 1, PageOrientation::Landscape);
    run.click("PrintButton");
    ASSERT_EQ(printers.at(0).documents().size(), 1u);
    const auto& sheets = printers.at(0).documents()[0];
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(run.status(), QString());
    bool caption = false;
    for (const PageOp& op : sheets[0].ops)
        caption = caption || op.text.startsWith(QStringLiteral("Altitude Circle length = 9.42 inches"));
    EXPECT_TRUE(caption);
    EXPECT_EQ(dialog.requests().size(), 1u);
}

TEST_F(Program, AClickDuringTheJobsEventRoundStartsNoSecondJob)
{
    Session run(ini(), printers, dialog);
    dialog.choose(QStringLiteral("Laser"));
    dialog.choose(QStringLiteral("Laser"));
    // The click arrives while the job lets the window repaint its status.
    QTimer::singleShot(0, &run.window, [&] { run.click("PrintAzButton"); });
    run.click("PrintAzButton");
    EXPECT_EQ(dialog.requests().size(), 1u);
}

TEST_F(Program, NoPrinterAtAllIsReportedAndNothingEnds)
{
    ScriptedPrinterSystem none;
    Session run(ini(), none, dialog);
    run.click("PrintButton");
    EXPECT_TRUE(run.status().startsWith(QStringLiteral("Cannot select a printer: ")));
    EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);
}

TEST_F(Program, AStoreThatCannotBeWrittenKeepsTheWindowOpen)
{
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    QFile::setPermissions(blocked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(blocked).isWritable()
        && QFile(blocked + QStringLiteral("/probe")).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    Session run(blocked + QStringLiteral("/Vennaros.ini"), printers, dialog);
    run.click("ExitButton");
    EXPECT_TRUE(run.window.isVisible());
    EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);
    EXPECT_NE(run.status(), QStringLiteral("Settings saved"));
}

TEST_F(Program, SaveThenRestoreThroughTheButtons)
{
    Session run(ini(), printers, dialog);
    run.prompts.path = dir.filePath(QStringLiteral("mine.txt"));
    run.click("CheckTop1");
    run.click("SaveButton");
    EXPECT_EQ(run.status(), QStringLiteral("Settings saved to '%1'").arg(*run.prompts.path));
    run.click("CheckTop1");
    run.click("RestoreButton");
    EXPECT_EQ(run.status(), QStringLiteral("38 settings restored from '%1'").arg(*run.prompts.path));
    EXPECT_FALSE(run.child<QCheckBox>("CheckTop1")->isChecked());
}

TEST_F(Program, AScreenReaderReadsARefusalInTheStatusLine)
{
    Session run(ini(), printers, dialog);
    run.model.setText(SizeText::Altitude, QStringLiteral("abc"));
    dialog.choose(QStringLiteral("Laser"));
    run.click("PrintButton");
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(run.child<QLabel>("DECLlabel"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Must be numeric."));
    ASSERT_NE(line->textInterface(), nullptr);
    EXPECT_EQ(line->textInterface()->text(0, -1), QStringLiteral("Must be numeric."));
}

namespace {

/// What a key or a menu entry must have done.
enum class Effect { PrintsAltitude, PrintsAzimuth, Saves, Restores, Resets, Exits, Quits };

struct Command {
    const char* name;
    const char* action; ///< a menu entry to trigger, or nullptr to press the key
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* focus; ///< the control that has the focus when the key is pressed
    Effect effect;
};

class KeyOrMenu : public Program, public ::testing::WithParamInterface<Command> { };

std::string commandRowName(const ::testing::TestParamInfo<Command>& row)
{
    return row.param.name;
}

} // namespace

TEST_P(KeyOrMenu, RunsTheButtonsHandler)
{
    const Command& command = GetParam();
    Session run(ini(), printers, dialog);
    run.prompts.path = dir.filePath(QStringLiteral("keys.txt"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run.window));
    run.model.setText(SizeText::Altitude, QStringLiteral("60"));
    run.model.setOption(Option::Altmm, true);
    run.model.setText(SizeText::Azimuth, QStringLiteral("60"));
    run.model.setOption(Option::Azmm, true);
    run.model.setSlider(Slider::Font, 1, 12);
    dialog.choose(QStringLiteral("Laser"));
    if (command.effect == Effect::Restores) {
        int number = 0;
        QString description;
        ASSERT_TRUE(SettingsFileCommands::writeFile(run.model, *run.prompts.path, number, description));
    }

    QWidget* target = command.focus ? run.child<QWidget>(command.focus) : &run.window;
    target->setFocus();
    if (command.action)
        run.window.findChild<QAction*>(QLatin1String(command.action))->trigger();
    else
        QTest::keyClick(target, command.key, command.modifiers);
    if (command.modifiers & Qt::AltModifier)
        QTest::qWait(300); // a mnemonic shows its button pressed for a moment before it clicks

    const auto printed = [&](const QString& caption) {
        if (printers.at(0).documents().size() != 1)
            return false;
        for (const PageOp& op : printers.at(0).documents()[0][0].ops)
            if (op.text.startsWith(caption))
                return true;
        return false;
    };
    switch (command.effect) {
    case Effect::PrintsAltitude:
        EXPECT_TRUE(printed(QStringLiteral("Altitude Circle length = 188.4 mm")));
        break;
    case Effect::PrintsAzimuth:
        EXPECT_TRUE(printed(QStringLiteral("Azimuth Circle length = 188.4 mm")));
        break;
    case Effect::Saves:
        EXPECT_EQ(run.status(), QStringLiteral("Settings saved to '%1'").arg(*run.prompts.path));
        break;
    case Effect::Restores:
        EXPECT_EQ(run.status(), QStringLiteral("38 settings restored from '%1'").arg(*run.prompts.path));
        break;
    case Effect::Resets:
        EXPECT_EQ(run.model.slider(Slider::Font, 1), 10);
        break;
    case Effect::Exits:
        EXPECT_EQ(run.status(), QStringLiteral("Settings saved"));
        EXPECT_FALSE(run.window.isVisible());
        break;
    case Effect::Quits:
        EXPECT_FALSE(run.window.isVisible());
        EXPECT_FALSE(QFile::exists(ini()));
        break;
    }
    if (command.effect != Effect::PrintsAltitude && command.effect != Effect::PrintsAzimuth) {
        EXPECT_TRUE(dialog.requests().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, KeyOrMenu,
    ::testing::Values(
        Command { "CtrlP", nullptr, Qt::Key_P, Qt::ControlModifier, nullptr, Effect::PrintsAltitude },
        Command { "CtrlShiftP", nullptr, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, nullptr,
            Effect::PrintsAzimuth },
        Command {
            "EnterInDECLtext", nullptr, Qt::Key_Return, Qt::NoModifier, "DECLtext", Effect::PrintsAltitude },
        Command {
            "EnterInAzText", nullptr, Qt::Key_Enter, Qt::KeypadModifier, "AzText", Effect::PrintsAzimuth },
        Command { "AltA", nullptr, Qt::Key_A, Qt::AltModifier, nullptr, Effect::PrintsAltitude },
        Command { "AltT", nullptr, Qt::Key_T, Qt::AltModifier, nullptr, Effect::PrintsAzimuth },
        Command { "CtrlS", nullptr, Qt::Key_S, Qt::ControlModifier, "AzText", Effect::Saves },
        Command { "AltS", nullptr, Qt::Key_S, Qt::AltModifier, nullptr, Effect::Saves },
        Command { "CtrlO", nullptr, Qt::Key_O, Qt::ControlModifier, nullptr, Effect::Restores },
        Command { "CtrlQ", nullptr, Qt::Key_Q, Qt::ControlModifier, nullptr, Effect::Exits },
        Command { "MenuReset", "ResetAction", Qt::Key_unknown, Qt::NoModifier, nullptr, Effect::Resets },
        Command { "MenuQuit", "QuitAction", Qt::Key_unknown, Qt::NoModifier, nullptr, Effect::Quits },
        Command { "MenuPrintAzimuth", "PrintAzimuthAction", Qt::Key_unknown, Qt::NoModifier, nullptr,
            Effect::PrintsAzimuth }),
    commandRowName);

TEST_F(Program, F1ShowsTheUserGuideAndAboutTheProgramAndItsLicence)
{
    Session run(ini(), printers, dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run.window));
    QTest::keyClick(&run.window, Qt::Key_F1);
    auto* guide = run.window.findChild<UserGuideWindow*>();
    ASSERT_NE(guide, nullptr) << run.status().toStdString();
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->loaded());
    const QString text = guide->findChild<QTextBrowser*>()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Using it")));
    EXPECT_TRUE(text.contains(QStringLiteral("Print Alt.")));
    QTest::keyClick(&run.window, Qt::Key_F1); // the same window again, not a second one
    EXPECT_EQ(run.window.findChildren<UserGuideWindow*>().size(), 1);

    run.window.findChild<QAction*>(QStringLiteral("AboutAction"))->trigger();
    auto* about = run.window.findChild<AboutDialog*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    const auto line
        = [about](const char* name) { return about->findChild<QLabel*>(QLatin1String(name))->text(); };
    EXPECT_EQ(line("ProgramName"), QStringLiteral("Vennaros"));
    EXPECT_EQ(line("ProgramVersion"), QStringLiteral("Version 3.2"));
    EXPECT_FALSE(line("ProgramPurpose").isEmpty());
    EXPECT_TRUE(line("ProgramLicence").startsWith(QStringLiteral("MIT License")));
    // An address only when the build was given one (-DVENNAROS_HOME_URL).
    if (programinfo::homePage().isEmpty()) {
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("ProgramHome")), nullptr);
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("ProgramBugs")), nullptr);
        for (const QLabel* label : about->findChildren<QLabel*>())
            EXPECT_FALSE(label->text().contains(QStringLiteral("://"))) << label->text().toStdString();
    } else {
        EXPECT_TRUE(line("ProgramHome").contains(programinfo::homePage()));
        EXPECT_TRUE(line("ProgramBugs").contains(programinfo::homePage() + QStringLiteral("/issues")));
    }
    EXPECT_TRUE(about->findChild<QPlainTextEdit*>()->toPlainText().contains(
        QStringLiteral("Permission is hereby granted")));
}

TEST_F(Program, PreviewShowsTheSheetsAndPrintsNothing)
{
    Session run(ini(), printers, dialog);
    run.model.setText(SizeText::Altitude, QStringLiteral("60"));
    run.model.setOption(Option::Altmm, true);
    run.click("PreviewButton");

    auto* preview = run.window.findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr) << run.status().toStdString();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Print Preview"));
    ASSERT_EQ(preview->sheets().size(), 1u);
    bool caption = false;
    for (const PageOp& op : preview->sheets()[0].ops)
        caption = caption || op.text.startsWith(QStringLiteral("Altitude Circle length = 188.4 mm"));
    EXPECT_TRUE(caption);
    EXPECT_EQ(preview->findChild<QLabel*>(QStringLiteral("PreviewStatus"))->text(),
        QStringLiteral("Strip length 188.4 mm (7.42 in.), ring diameter 60.0 mm (2.36 in.)"));
    EXPECT_TRUE(dialog.requests().empty());
    EXPECT_TRUE(printers.at(0).documents().empty());
    EXPECT_EQ(run.status(), QString());

    // The strip is drawn where the page puts it and as long as it is: from 100 twips right of the
    // printable area's left edge, 188.4 mm long, its marks from 750 twips down.
    const double dpi = 100;
    const double pixelsPerTwip = dpi / 1440;
    const QImage sheet = preview->sheetImage(0, dpi);
    EXPECT_EQ(sheet.width(), qRound(16838 * pixelsPerTwip)); // the scripted printer's wide paper
    const int row = qRound((360 + 750 + 50) * pixelsPerTwip);
    int first = -1;
    int last = -1;
    // Inside the printable area's dashed border.
    for (int x = qRound(400 * pixelsPerTwip); x < sheet.width() - qRound(400 * pixelsPerTwip); ++x) {
        if (qGray(sheet.pixel(x, row)) < 200) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    EXPECT_NEAR(first, (360 + 100) * pixelsPerTwip, 1.5);
    EXPECT_NEAR(last, (360 + 100 + 188.4 * 56.7) * pixelsPerTwip, 1.5);
    // What the preview draws of a part in view is that part of the whole sheet, border included.
    for (const QRect part : { QRect(0, 0, 300, 200), QRect(37, 41, 500, 90), QRect(900, 600, 269, 227) }) {
        SCOPED_TRACE(part.x());
        const QImage drawn = preview->sheetPart(0, dpi, part);
        const QImage whole = sheet.copy(part);
        int differ = 0;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                differ += drawn.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differ, 0);
    }

    // The azimuth preview follows the RA option like its print button.
    run.click("RaOption");
    EXPECT_EQ(run.child<QPushButton>("PreviewAzButton")->text().remove(QLatin1Char('&')),
        QStringLiteral("Preview RA"));
}

TEST_F(Program, PreviewNamesNumbersThatTouchUnderTheSheets)
{
    Session run(ini(), printers, dialog);
    // Three digits at 10 points are wider than the 5.2 mm between a 60 mm circle's long marks;
    // the altitude circle's two digits are not.
    const std::pair<const char*, const char*> rows[]
        = { { "PreviewAzButton", "Numbers touch: font size 8 or less fits" }, { "PreviewButton", "" } };
    run.model.setText(SizeText::Azimuth, QStringLiteral("60"));
    run.model.setOption(Option::Azmm, true);
    run.model.setText(SizeText::Altitude, QStringLiteral("60"));
    run.model.setOption(Option::Altmm, true);
    for (const auto& [button, warning] : rows) {
        SCOPED_TRACE(button);
        run.click(button);
        auto* preview = run.window.findChild<PreviewWindow*>();
        ASSERT_NE(preview, nullptr) << run.status().toStdString();
        auto* label = preview->findChild<QLabel*>(QStringLiteral("PreviewNumbersTouch"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(warning));
        EXPECT_EQ(label->isVisibleTo(preview), *warning != 0);
        EXPECT_EQ(run.status(), QString()) << "printable as it is";
    }
}

TEST_F(Program, PreviewRefusesAsPrintingDoes)
{
    Session run(ini(), printers, dialog);
    run.model.setText(SizeText::Azimuth, QStringLiteral("12"));
    run.click("PreviewAzButton");
    EXPECT_EQ(run.status(), QStringLiteral("Azimuth max. length is 11.7 inches for current page width."));
    EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);
    EXPECT_EQ(run.window.findChild<PreviewWindow*>(), nullptr);
    EXPECT_TRUE(dialog.requests().empty());

    ScriptedPrinterSystem none;
    Session bare(ini(), none, dialog);
    bare.click("PreviewButton");
    EXPECT_TRUE(bare.status().startsWith(QStringLiteral("Cannot select a printer: ")));
}

// The longest split strip fills many sheets: only those in view are drawn, at the first showing
// and at each zoom step, and the pictures of those left behind are let go.
TEST_F(Program, APreviewOfManySheetsDrawsOnlyThoseInView)
{
    Session run(ini(), printers, dialog);
    run.model.setText(SizeText::Azimuth, QStringLiteral("4800"));
    run.model.setOption(Option::Azmm, true);
    run.model.setOption(Option::AzLen, true);
    run.model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    run.model.setCheck(Check::Verniers, SettingsModel::kChecked);
    run.model.setCheck(Check::BothWays, SettingsModel::kChecked);
    for (int set = 2; set <= 3; ++set)
        run.model.setSetCheck(set, 1);
    run.model.refreshCircleEnabled();
    run.click("PreviewAzButton");
    auto* preview = run.window.findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr) << run.status().toStdString();
    ASSERT_GE(preview->sheets().size(), 6u);
    const auto drawn = [&] {
        int count = 0;
        for (const PreviewSheet* sheet : preview->findChildren<PreviewSheet*>())
            count += sheet->holdsPicture() ? 1 : 0;
        return count;
    };
    QPushButton* zoomIn = nullptr;
    for (QPushButton* button : preview->findChildren<QPushButton*>())
        zoomIn = button->text() == QStringLiteral("Zoom &in") ? button : zoomIn;
    ASSERT_NE(zoomIn, nullptr);
    for (int step = 0; step < 3; ++step) {
        QElapsedTimer clock;
        clock.start();
        zoomIn->click();
        QApplication::processEvents();
        EXPECT_LT(clock.elapsed(), 3000) << "a zoom step redraws what is in view only, even under sanitizers";
        EXPECT_GE(drawn(), 1);
        EXPECT_LE(drawn(), 3) << "step " << step;
    }
}

/// The process's resident memory, in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : 0;
}

// The largest split ring the job accepts on the largest paper: every zoom step draws only the part
// in view, so memory stays put; at the last step the button is off and nothing is drawn again.
TEST_F(Program, ThePreviewOfTheLargestRingOnA0StaysSmallAtEveryZoom)
{
    printers.at(0).setPaper(QPageSize(QPageSize::A0));
    printers.at(0).setOrientation(PageOrientation::Landscape);
    Session run(ini(), printers, dialog);
    run.model.setOption(Option::Azmm, true);
    run.model.setOption(Option::AzDia, true);
    run.model.setCheck(Check::Rings, SettingsModel::kChecked);
    run.model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    run.model.setText(SizeText::Azimuth, QStringLiteral("99999"));
    run.click("PreviewAzButton");
    static const QRegularExpression refusal(
        QStringLiteral("^Azimuth max\\. ring diameter is (\\d+\\.\\d) mm for split rings\\.$"));
    const QRegularExpressionMatch largest = refusal.match(run.status());
    ASSERT_TRUE(largest.hasMatch()) << run.status().toStdString();
    run.model.setText(SizeText::Azimuth, largest.captured(1));
    run.click("PreviewAzButton");
    auto* preview = run.window.findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr) << run.status().toStdString();
    ASSERT_GE(preview->sheets().size(), 2u);
    int drawings = 0;
    for (PreviewSheet* sheet : preview->findChildren<PreviewSheet*>())
        QObject::connect(sheet, &PreviewSheet::drawn, preview, [&drawings] { ++drawings; });
    QApplication::processEvents();

    QPushButton* zoomIn = nullptr;
    for (QPushButton* button : preview->findChildren<QPushButton*>())
        zoomIn = button->text() == QStringLiteral("Zoom &in") ? button : zoomIn;
    ASSERT_NE(zoomIn, nullptr);
    const qint64 before = residentBytes();
    int steps = 0;
    while (zoomIn->isEnabled() && steps < 20) {
        QElapsedTimer clock;
        clock.start();
        zoomIn->click();
        QApplication::processEvents();
        ++steps;
        EXPECT_LT(clock.elapsed(), 3000) << "step " << steps << ", even under sanitizers";
        qint64 held = 0;
        for (const PreviewSheet* sheet : preview->findChildren<PreviewSheet*>())
            held += sheet->pictureBytes();
        EXPECT_LT(held, 16LL * 1024 * 1024) << "step " << steps << ": only what is in view";
        EXPECT_LT(residentBytes() - before, 150LL * 1024 * 1024)
            << "step " << steps << " of " << preview->sheets().size() << " sheets";
    }
    EXPECT_EQ(steps, 7) << "from 72 to 300 dpi in steps of 1.25";
    EXPECT_GE(drawings, steps) << "every step draws what is in view";
    EXPECT_FALSE(zoomIn->isEnabled());
    drawings = 0;
    zoomIn->click();
    QTest::keySequence(preview, QKeySequence::ZoomIn);
    QApplication::processEvents();
    EXPECT_EQ(drawings, 0) << "a step beyond the last is refused, not drawn again";
}

namespace {

struct KeptPaperRow {
    const char* name;
    const char* kept; ///< the store's value for the printer, as the file holds it
    const char* paperLine; ///< what the window shows as the paper
    const char* status; ///< the status line at start
};

class KeptPaper : public Program, public ::testing::WithParamInterface<KeptPaperRow> { };

} // namespace

// A paper kept for the printer is used when a page can be printed on it; otherwise the status line
// says why not, and the printer's own paper stays.
TEST_P(KeptPaper, IsUsedOrRefusedInTheStatusLine)
{
    const KeptPaperRow& row = GetParam();
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[Printer%20Paper]\nLaser=") + row.kept + '\n');
    file.close();
    Session run(ini(), printers, dialog);
    QTest::qWait(10);
    EXPECT_EQ(run.child<QLabel>("PaperLabel")->text().toStdString(), row.paperLine);
    EXPECT_EQ(run.status().toStdString(), row.status);
    EXPECT_EQ(run.model.status().color(),
        QString::fromUtf8(row.status).startsWith(QStringLiteral("The paper")) ? StatusLine::kErrorColor
                                                                              : StatusLine::kStatusColor);
}

INSTANTIATE_TEST_SUITE_P(Values, KeptPaper,
    ::testing::Values(
        KeptPaperRow { "Named", "\"A3, landscape\"", "A3, landscape", "Settings reset to last exit values" },
        KeptPaperRow { "LargestPage", "\"5080 x 5080 mm, portrait\"", "5080 x 5080 mm, portrait",
            "Settings reset to last exit values" },
        KeptPaperRow { "LargerThanAPage", "\"100000 x 100000 mm, portrait\"", "A4, portrait",
            "The paper kept for 'Laser' is not used: 100000 x 100000 mm is larger than a page can be "
            "(5080 mm a side); it prints on the printer's own paper." },
        KeptPaperRow { "Garbled", "\"A4, sideways\"", "A4, portrait",
            "The paper kept for 'Laser' is not used: \"A4, sideways\" is not a paper and its "
            "orientation, as \"A4, portrait\"; it prints on the printer's own paper." },
        KeptPaperRow { "Unquoted", "A3, landscape", "A4, portrait",
            "The paper kept for 'Laser' is not used: its value cannot be read as a paper and its "
            "orientation, as \"A4, portrait\"; it prints on the printer's own paper." }),
    [](const auto& row) { return std::string(row.param.name); });

// File > Export: the drawing goes to the file the user names, in the format its name says, and no
// printer is asked; the azimuth entry names the circle the azimuth button prints.
TEST_F(Program, ExportWritesTheDrawingAndSaysWhereOrWhyNot)
{
    Session run(ini(), printers, dialog);
    QAction* azimuth = run.window.findChild<QAction*>(QStringLiteral("ExportAzimuthAction"));
    ASSERT_NE(azimuth, nullptr);
    EXPECT_EQ(azimuth->text(), QStringLiteral("Export A&zimuth..."));
    run.model.setOption(Option::Ra, true);
    EXPECT_EQ(azimuth->text(), QStringLiteral("Export &RA..."));

    run.model.setText(SizeText::Altitude, QStringLiteral("300"));
    run.model.setOption(Option::Altmm, true);
    const struct {
        const char* name;
        QByteArray signature;
    } files[] = { { "alt.svg", "<svg" }, { "alt.DXF", "AC1015" } };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        run.prompts.path = dir.filePath(QLatin1String(file.name));
        run.window.findChild<QAction*>(QStringLiteral("ExportAltitudeAction"))->trigger();
        EXPECT_EQ(run.status(), QStringLiteral("Written: ") + *run.prompts.path);
        QFile written(*run.prompts.path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains(file.signature));
    }
    EXPECT_TRUE(dialog.requests().empty());
    EXPECT_TRUE(printers.at(0).documents().empty());

    run.prompts.path = dir.path();
    run.window.findChild<QAction*>(QStringLiteral("ExportAltitudeAction"))->trigger();
    EXPECT_EQ(run.status(), QStringLiteral("Cannot write '%1': it is a folder.").arg(dir.path()));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

// The Export dialog offers both drawing styles and opens on the one chosen last; the drawing is in
// the style chosen, and a cancelled dialog changes nothing.
TEST_F(Program, ExportDrawsInTheStyleChosenInItsDialogAndRemembersIt)
{
    Session run(ini(), printers, dialog);
    run.model.setText(SizeText::Altitude, QStringLiteral("300"));
    run.model.setOption(Option::Altmm, true);
    const struct {
        std::optional<int> choose;
        const char* name; ///< nothing: cancelled
        int shown; ///< the style the dialog opened on
        const char* layer; ///< the drawing's first layer
        qint16 stored;
    } steps[] = {
        { 1, "strokes.svg", 0, "inkscape:label=\"score\"", SettingsModel::kChecked },
        { std::nullopt, "again.svg", 1, "inkscape:label=\"score\"", SettingsModel::kChecked },
        { 0, nullptr, 1, nullptr, SettingsModel::kChecked },
        { 0, "filled.svg", 1, "inkscape:label=\"engrave\"", 0 },
        { 1, "strokes.dxf", 0, "SCORE", SettingsModel::kChecked },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name != nullptr ? step.name : "cancelled");
        run.prompts.choose = step.choose;
        run.prompts.path
            = step.name != nullptr ? std::optional(dir.filePath(QLatin1String(step.name))) : std::nullopt;
        run.window.findChild<QAction*>(QStringLiteral("ExportAltitudeAction"))->trigger();
        EXPECT_EQ(run.prompts.shownChoices,
            (QStringList { QStringLiteral("Filled outlines (print, raster engraving)"),
                QStringLiteral("Single strokes (vector engraving, pen plotters)") }));
        EXPECT_EQ(run.prompts.shownChoice, step.shown);
        EXPECT_EQ(run.model.check(Check::ExportStrokes), step.stored);
        if (step.name == nullptr)
            continue;
        QFile written(*run.prompts.path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << run.status().toStdString();
        EXPECT_TRUE(written.readAll().contains(step.layer));
    }
}

// File > Export after the file dialog's own "already exists" question: the program's own store and
// the settings files of this run are refused by any name, anything else is written.
TEST_F(Program, ExportRefusesTheStoreAndTheSettingsFilesOfThisRun)
{
    {
        QFile store(ini());
        ASSERT_TRUE(store.open(QIODevice::WriteOnly));
        store.write("[Defaults]\nFontSize%201=12\n");
    }
    Session run(ini(), printers, dialog);
    run.model.setText(SizeText::Altitude, QStringLiteral("300"));
    run.model.setOption(Option::Altmm, true);
    const QString saved = dir.filePath(QStringLiteral("saved.txt"));
    run.prompts.path = saved;
    run.click("SaveButton");
    const QString restored = dir.filePath(QStringLiteral("restored.txt"));
    ASSERT_TRUE(QFile::copy(saved, restored));
    run.prompts.path = restored;
    run.click("RestoreButton");
    ASSERT_TRUE(QFile::link(ini(), dir.filePath(QStringLiteral("store-link.svg"))));

    const QString store = QStringLiteral("it is the program's settings store");
    const QString settingsFile = QStringLiteral("it is a settings file saved or restored since the start");
    const struct {
        QString path;
        QString why; ///< empty: written
    } rows[] = {
        { ini(), store },
        { dir.filePath(QStringLiteral("store-link.svg")), store },
        { dir.path() + QStringLiteral("/./Vennaros.ini"), store },
        { saved, settingsFile },
        { restored, settingsFile },
        { dir.filePath(QStringLiteral("drawing.svg")), {} },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        const QByteArray before = QFile::exists(row.path) ? [&] {
            QFile file(row.path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }()
                                                          : QByteArray();
        run.prompts.path = row.path;
        run.window.findChild<QAction*>(QStringLiteral("ExportAltitudeAction"))->trigger();
        QFile after(row.path);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        if (row.why.isEmpty()) {
            EXPECT_EQ(run.status(), QStringLiteral("Written: ") + row.path);
            continue;
        }
        EXPECT_EQ(run.status().toStdString(),
            QStringLiteral("Cannot write '%1': %2.").arg(row.path, row.why).toStdString());
        EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);
        EXPECT_EQ(after.readAll(), before);
    }
}

// Print > "Wrap tape..." prints the tape the length typed asks for, or says in the status line why
// not; "Proof sheet..." prints one sheet and its preview shows it without printing.
TEST_F(Program, TheWrapTapeAndTheProofSheetFromThePrintMenu)
{
    Session run(ini(), printers, dialog);
    struct TapeRow {
        const char* length;
        const char* status; ///< empty: printed
    };
    const TapeRow rows[] = {
        { "12", "Wrap tape: '12' is not a length; give it with its unit, for example 1000mm or 40in." },
        { "50mm", "Wrap tape size must be at least 100 mm" },
        { "1000mm", "" },
        { "40in", "" },
    };
    std::size_t printed = 0;
    for (const TapeRow& row : rows) {
        SCOPED_TRACE(row.length);
        dialog.choose(QStringLiteral("Laser"));
        Q_EMIT run.window.wrapTapeRequested(QString::fromLatin1(row.length));
        EXPECT_EQ(run.status().toStdString(), std::string(row.status));
        if (row.status[0] != '\0') {
            EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);
            continue;
        }
        ASSERT_EQ(printers.at(0).documents().size(), ++printed);
        const std::vector<Page>& sheets = printers.at(0).documents().back();
        EXPECT_GE(sheets.size(), 2u) << "the map, then the tape's pieces";
        int numbers = 0;
        for (const Page& sheet : sheets)
            for (const PageOp& op : sheet.ops)
                numbers += op.text == QStringLiteral("7") ? 1 : 0;
        EXPECT_GE(numbers, 1);
    }
    // A length is checked against the paper of the printer chosen; what is no length asks for none.
    EXPECT_EQ(dialog.requests().size(), 3u);

    run.window.findChild<QAction*>(QStringLiteral("PreviewProofSheetAction"))->trigger();
    auto* preview = run.window.findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr) << run.status().toStdString();
    ASSERT_EQ(preview->sheets().size(), 1u);
    int labels = 0;
    for (const PageOp& op : preview->sheets()[0].ops)
        labels += op.text.startsWith(QStringLiteral("Widths ")) ? 1 : 0;
    EXPECT_EQ(labels, 12);
    EXPECT_EQ(printers.at(0).documents().size(), printed);

    run.window.findChild<QAction*>(QStringLiteral("ProofSheetAction"))->trigger();
    EXPECT_EQ(dialog.requests().size(), 4u);
    EXPECT_EQ(run.status(), QString());
    ASSERT_EQ(printers.at(0).documents().size(), printed + 1);
    EXPECT_EQ(printers.at(0).documents().back().size(), 1u);
}
