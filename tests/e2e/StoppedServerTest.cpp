// A print server that stops between the print dialog and the job: the job says the printer failed.
// A process of its own, because libcups keeps the server it reached first and this one is gone.
#include "WindowUnderTest.h"
#include "settings/StatusLine.h"
#include "support/PrivateCupsScheduler.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    QtPrinterSystem printers;
    e2e::WindowUnderTest w(dir.filePath(QStringLiteral("Vennaros.ini")), printers);
    w.type(QStringLiteral("AzText"), QStringLiteral("2"));

    w.dialog.whileOpen([&] { scheduler.stop(); });
    w.dialog.choose(QStringLiteral("Letter"));
    w.click(QStringLiteral("PrintAzButton"));
    EXPECT_EQ(w.status().toStdString(), "Print function error.");
    EXPECT_EQ(w.model.status().color(), StatusLine::kErrorColor);
}
