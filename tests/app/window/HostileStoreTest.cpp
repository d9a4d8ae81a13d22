// The window over a store replaced or edited by hand: it still starts and shows, says why the
// store is not used, and its size boxes take what the store and the settings file take.
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "settings/ChildProcess.h"
#include "settings/QtSettingsStore.h"
#include "support/NoFilePrompts.h"
#include "support/ScriptedPrinters.h"

#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

/// One run of the program over the given store file.
struct Session {
    explicit Session(const QString& iniPath)
        : store(iniPath)
        , window(model)
        , controller(window, { store, printers, dialog, prompts })
    {
        printers.add(QStringLiteral("Laser"));
        controller.start();
        window.show();
    }

    template <typename T> T* child(const char* name) { return window.findChild<T*>(QLatin1String(name)); }

    ScriptedPrinterSystem printers;
    ScriptedPrintDialog dialog;
    NoFilePrompts prompts;
    QtSettingsStore store;
    SettingsModel model;
    frmMain window;
    WindowController controller;
};

} // namespace

// In a child process: before the check, the start waited on the pipe for good.
TEST(HostileStore, ANamedPipeAsTheStoreStillShowsTheWindow)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Vennaros.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    const QString problem
        = QStringLiteral("the settings store is a named pipe ('") + ini + QStringLiteral("')");

    const auto inChild = [&] {
        Session run(ini);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&run.window));
        EXPECT_EQ(run.child<QLabel>("DECLlabel")->text().toStdString(),
            (QStringLiteral("Settings reset to defaults: ") + problem).toStdString());
        EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);

        QTest::mouseClick(run.child<QPushButton>("ExitButton"), Qt::LeftButton);
        EXPECT_TRUE(run.window.isVisible()) << "nothing was kept, so the window stays";
        EXPECT_EQ(run.child<QLabel>("DECLlabel")->text().toStdString(),
            (QStringLiteral("Settings could not be saved: ") + problem).toStdString());
    };
    EXPECT_EQ(childprocess::runInChild(inChild), "");
    EXPECT_FALSE(QFileInfo(ini).isFile()) << "the pipe is still a pipe";
}

TEST(HostileStore, TheSizeBoxesStopAtTheLengthTheFilesKeep)
{
    QTemporaryDir dir;
    Session run(dir.filePath(QStringLiteral("Vennaros.ini")));
    for (const char* name : { "DECLtext", "AzText" }) {
        SCOPED_TRACE(name);
        QLineEdit* box = run.child<QLineEdit>(name);
        EXPECT_EQ(box->maxLength(), SettingsModel::kMaxSizeTextLength);
    }
    QLineEdit* box = run.child<QLineEdit>("AzText");
    box->selectAll();
    QTest::keyClicks(box, QString(SettingsModel::kMaxSizeTextLength + 5, QLatin1Char('4')));
    EXPECT_EQ(run.model.text(SizeText::Azimuth).size(), SettingsModel::kMaxSizeTextLength);
}

// A quote left open by hand swallowed the printer groups after it: the window says so in red at
// start, and Exit rewrites the store only after the whole file was kept aside.
TEST(HostileStore, AStoreReadInPartIsKeptAsideBeforeExitRewritesIt)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Vennaros.ini"));
    const QByteArray edited
        = "[Defaults]\nFontSize%201=12\nZero%20At=\"10\n"
          "[Printer%20Scale]\nLaser=\"1.01 0.99\"\n[Printer%20Paper]\nLaser=\"A3, landscape\"\n";
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(edited);
    }
    const QString copy = ini + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    Session run(ini);
    EXPECT_EQ(run.child<QLabel>("DECLlabel")->text().toStdString(),
        (QStringLiteral("Settings reset to what could be read: the settings store can be read only in part; "
                        "the whole file is kept as '")
            + copy + QStringLiteral("'"))
            .toStdString());
    EXPECT_EQ(run.model.status().color(), StatusLine::kErrorColor);

    QTest::mouseClick(run.child<QPushButton>("ExitButton"), Qt::LeftButton);
    EXPECT_EQ(run.child<QLabel>("DECLlabel")->text(), QStringLiteral("Settings saved"));
    QFile kept(copy);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), edited) << "the printers' calibration is still there to copy back";
}
