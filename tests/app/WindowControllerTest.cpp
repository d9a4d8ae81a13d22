// The whole window as a user drives it, with a real settings file in a temporary folder, scripted
// printers and dialogs, and pages recorded instead of printed.
#include "app/WindowController.h"
#include "app/frmMain.h"
#include "settings/QtSettingsStore.h"
#include "support/ScriptedPrinters.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FilePrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup&) override { return path; }
    bool confirmOverwrite(const QString&, const QString&) override { return true; }
    void showError(const QString& title, const QString&) override { errors.push_back(title); }

    std::optional<QString> path;
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
    EXPECT_EQ(next.child<QPushButton>("PrintAzButton")->text(), QStringLiteral("Print RA"));
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
