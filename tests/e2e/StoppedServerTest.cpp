// A print server that stops between the print dialog and the job: the job says the printer failed.
// A process of its own, because libcups keeps the server it reached first and this one is gone.
#include "app/WindowController.h"
#include "app/frmMain.h"
#include "print/surface/QtPrinterSystem.h"
#include "settings/QtSettingsStore.h"
#include "settings/StatusLine.h"
#include "support/PrivateCupsScheduler.h"
#include "support/ScriptedPrinters.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NoFilePrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup&) override { return std::nullopt; }
    bool confirmOverwrite(const QString&, const QString&) override { return false; }
    void showError(const QString&, const QString&) override { }
};

} // namespace

TEST(StoppedServer, BetweenTheDialogAndTheJobIsAPrintFunctionError)
{
    PrivateCupsScheduler scheduler;
    QString problem = scheduler.start();
    const QString ppd = scheduler.writeFile(
        QStringLiteral("letter.ppd"), PrivateCupsScheduler::pdfPassThroughPpd("Letter"));
    if (problem.isEmpty() && !ppd.isEmpty())
        problem
            = scheduler.addDefaultQueue(QStringLiteral("Letter"), QStringLiteral("file:///dev/null"), ppd);
    if (!problem.isEmpty()) {
        if (PrivateCupsScheduler::required())
            FAIL() << "no print scheduler: " << problem.toStdString();
        GTEST_SKIP() << problem.toStdString();
    }

    QTemporaryDir dir;
    SettingsModel model;
    QtSettingsStore store(dir.filePath(QStringLiteral("Vennaros.ini")));
    QtPrinterSystem printers;
    ScriptedPrintDialog dialog;
    NoFilePrompts prompts;
    frmMain window(model);
    WindowController controller(window, { store, printers, dialog, prompts });
    controller.start();
    auto* size = window.findChild<QLineEdit*>(QStringLiteral("AzText"));
    size->clear();
    QTest::keyClicks(size, QStringLiteral("2"));

    dialog.whileOpen([&] { scheduler.stop(); });
    dialog.choose(QStringLiteral("Letter"));
    QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("PrintAzButton")), Qt::LeftButton);
    EXPECT_EQ(model.status().text().toStdString(), "Print function error.");
    EXPECT_EQ(model.status().color(), StatusLine::kErrorColor);
}
