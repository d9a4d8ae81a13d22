// The printer-scale dialog over the machine's current printer and a real settings store file.
#include "app/printer/PrinterScaleDialog.h"
#include "app/preview/PreviewWindow.h"
#include "app/printer/CurrentPrinterScale.h"
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "print/dialog/PrinterSelection.h"
#include "print/printers/QueueJobFollower.h"
#include "settings/QtSettingsStore.h"
#include "support/NoFilePrompts.h"
#include "support/RowName.h"
#include "support/ScriptedPrinters.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PrinterScale : public ::testing::Test {
protected:
    PrinterScale()
        : store(dir.filePath(QStringLiteral("Vennaros.ini")))
        , scales(store)
        , selection(printers, dialog)
        , host(printers, selection, scales)
    {
        printers.add(QStringLiteral("Laser"));
        printers.add(QStringLiteral("Inkjet"));
    }

    template <typename T> T* child(PrinterScaleDialog& d, const char* name)
    {
        T* widget = d.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void enter(PrinterScaleDialog& d, const QString& width, const QString& length)
    {
        child<QLineEdit>(d, "MeasuredWidthText")->setText(width);
        child<QLineEdit>(d, "MeasuredLengthText")->setText(length);
        QTest::mouseClick(child<QPushButton>(d, "OkButton"), Qt::LeftButton);
    }
    QByteArray ini() const { return readAll(dir.filePath(QStringLiteral("Vennaros.ini"))); }

    QTemporaryDir dir;
    QtSettingsStore store;
    PrinterScales scales;
    ScriptedPrinterSystem printers;
    ScriptedPrintDialog dialog;
    PrinterSelection selection;
    CurrentPrinterScale host;
};

class RefusedEntry : public PrinterScale, public ::testing::WithParamInterface<const char*> { };

} // namespace

TEST_P(RefusedEntry, KeepsNothingAndSaysWhy)
{
    PrinterScaleDialog d(host);
    d.show();
    enter(d, QString::fromLatin1(GetParam()), QStringLiteral("260"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(child<QLabel>(d, "MessageLabel")->text().isEmpty());
    enter(d, QStringLiteral("180"), QString::fromLatin1(GetParam()));
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(ini().contains("Printer")) << ini().toStdString();
    EXPECT_TRUE(d.outcome().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedEntry, ::testing::Values("0", "-3", "abc", "0.5", "2", ""), textRowName);

TEST_F(PrinterScale, AConfirmedEntryIsKeptAtOnceForTheCurrentPrinter)
{
    PrinterScaleDialog d(host);
    d.show();
    EXPECT_TRUE(d.windowTitle().contains(QStringLiteral("Laser")));
    EXPECT_TRUE(child<QLabel>(d, "PrinterLabel")->text().contains(QStringLiteral("Laser")));
    enter(d, QStringLiteral("179.3"), QStringLiteral("260.5"));
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(ini().contains("[Printer%20Scale]\nLaser=1.0039 0.9981")) << ini().toStdString();
    EXPECT_EQ(d.outcome(), QStringLiteral("Printer scale of Laser: 1.0039 0.9981"));
    EXPECT_EQ(scales.factors(QStringLiteral("Inkjet")).alongWidth, 1.0);

    PrinterScaleDialog again(host);
    again.show();
    EXPECT_TRUE(child<QLabel>(again, "FactorsLabel")->text().contains(QStringLiteral("1.0039")));
    QTest::mouseClick(child<QPushButton>(again, "ResetButton"), Qt::LeftButton);
    EXPECT_TRUE(ini().contains("Laser=1 1")) << ini().toStdString();
    EXPECT_EQ(scales.factors(QStringLiteral("Laser")).alongWidth, 1.0);
}

TEST_F(PrinterScale, AStoredValueThatIsUnusableIsSaidSo)
{
    QString reason;
    store.writeIn(PrinterScales::kGroup, QStringLiteral("Laser"), QStringLiteral("abc"));
    ASSERT_TRUE(store.flush(reason)) << reason.toStdString();
    PrinterScaleDialog d(host);
    d.show();
    EXPECT_EQ(child<QLabel>(d, "FactorsLabel")->text().toStdString(),
        "The value kept for this printer is unusable (\"abc\" is not two factors from 0.9 to 1.1): it prints "
        "with 1 along both axes until new lengths are kept.");
}

TEST_F(PrinterScale, TheCalibrationPageGoesThroughThePrintDialogToThePrinterChosen)
{
    PrinterScaleDialog d(host);
    d.show();
    dialog.cancel();
    QTest::mouseClick(child<QPushButton>(d, "PrintCalibrationButton"), Qt::LeftButton);
    EXPECT_TRUE(printers.at(0).documents().empty());

    dialog.choose(QStringLiteral("Inkjet"));
    QTest::mouseClick(child<QPushButton>(d, "PrintCalibrationButton"), Qt::LeftButton);
    ASSERT_EQ(printers.at(1).documents().size(), 1u);
    ASSERT_EQ(printers.at(1).documents()[0].size(), 1u);
    EXPECT_EQ(printers.at(1).documents()[0][0].scaleX, 1.0) << "measured as the printer prints";
    EXPECT_TRUE(d.windowTitle().contains(QStringLiteral("Inkjet")))
        << "the dialog follows the printer chosen";

    printers.at(1).setFailing(ScriptedPrinter::Property::Surface);
    dialog.choose(QStringLiteral("Inkjet"));
    QTest::mouseClick(child<QPushButton>(d, "PrintCalibrationButton"), Qt::LeftButton);
    EXPECT_TRUE(child<QLabel>(d, "MessageLabel")
                    ->text()
                    .startsWith(QStringLiteral("The calibration page could not")));
    EXPECT_TRUE(d.isVisible());
}

TEST_F(PrinterScale, ACalibrationPageThatAQueueFailsIsReportedNotLeftAsPrinted)
{
    QueueJobFollower follower([](const QueueJob&) {
        return QueueJobStatus { QueueJobStatus::State::Aborted, {}, {}, false, {}, {} };
    });
    QStringList failures;
    QObject::connect(&follower, &QueueJobFollower::failed, &follower,
        [&](const QString& message) { failures << message; });
    CurrentPrinterScale following(printers, selection, scales, &follower);
    printers.at(0).setLastJob(QueueJob { QStringLiteral("Laser"), 12 });
    dialog.choose(QStringLiteral("Laser"));
    ASSERT_TRUE(following.printCalibrationPage());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !failures.isEmpty(); }, QueueJobFollower::kLimitMs));
    EXPECT_TRUE(failures.value(0).contains(QStringLiteral("Laser"))) << failures.value(0).toStdString();
}

TEST_F(PrinterScale, TheWindowsButtonOpensTheDialogAndTheNextJobUsesTheFactors)
{
    NoFilePrompts prompts;
    SettingsModel model;
    frmMain window(model);
    WindowController controller(window, { store, printers, dialog, prompts });
    controller.start();
    window.show();
    // The dialog is modal: answer it from the event loop it runs.
    QTimer::singleShot(0, &window, [] {
        auto* d = qobject_cast<PrinterScaleDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->findChild<QLineEdit*>(QStringLiteral("MeasuredWidthText"))->setText(QStringLiteral("178.2"));
        d->findChild<QLineEdit*>(QStringLiteral("MeasuredLengthText"))->setText(QStringLiteral("260"));
        d->accept();
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("PrinterScaleButton")), Qt::LeftButton);
    EXPECT_EQ(model.status().text(), QStringLiteral("Printer scale of Laser: 1.0101 1"));
    EXPECT_TRUE(ini().contains("Laser=1.0101 1")) << ini().toStdString();

    model.setText(SizeText::Altitude, QStringLiteral("60"));
    model.setOption(Option::Altmm, true);
    dialog.choose(QStringLiteral("Laser"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("PrintButton")), Qt::LeftButton);
    ASSERT_EQ(printers.at(0).documents().size(), 1u);
    const Page& sheet = printers.at(0).documents()[0].front();
    EXPECT_EQ(sheet.scaleX, 1.0101);
    EXPECT_EQ(sheet.scaleY, 1.0);
    EXPECT_TRUE(sheet.ops.back().text.endsWith(QStringLiteral(", Printer scale = 1.0101")));
}

TEST_F(PrinterScale, ThePrintMenuOpensTheSameDialogAndThePreviewShowsTheFactors)
{
    NoFilePrompts prompts;
    SettingsModel model;
    frmMain window(model);
    EXPECT_FALSE(window.offersPrinterScale()) << "greyed while nothing answers it";
    WindowController controller(window, { store, printers, dialog, prompts });
    controller.start();
    window.show();
    EXPECT_TRUE(window.offersPrinterScale());
    QTimer::singleShot(0, &window, [] {
        auto* d = qobject_cast<PrinterScaleDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->findChild<QLineEdit*>(QStringLiteral("MeasuredWidthText"))->setText(QStringLiteral("178.2"));
        d->findChild<QLineEdit*>(QStringLiteral("MeasuredLengthText"))->setText(QStringLiteral("262.6"));
        d->accept();
    });
    window.findChild<QAction*>(QStringLiteral("PrinterScaleAction"))->trigger();
    EXPECT_EQ(model.status().text(), QStringLiteral("Printer scale of Laser: 1.0101 0.9901"));

    model.setText(SizeText::Altitude, QStringLiteral("60"));
    model.setOption(Option::Altmm, true);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("PreviewButton")), Qt::LeftButton);
    auto* preview = window.findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr) << model.status().text().toStdString();
    ASSERT_EQ(preview->sheets().size(), 1u);
    const Page& shown = preview->sheets()[0];
    EXPECT_EQ(shown.scaleX, 1.0101);
    EXPECT_EQ(shown.scaleY, 0.9901);
    EXPECT_TRUE(printers.at(0).documents().empty());

    dialog.choose(QStringLiteral("Laser"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("PrintButton")), Qt::LeftButton);
    ASSERT_EQ(printers.at(0).documents().size(), 1u);
    const Page& printed = printers.at(0).documents()[0].front();
    EXPECT_EQ(printed.scaleX, shown.scaleX);
    EXPECT_EQ(printed.scaleY, shown.scaleY);
    EXPECT_EQ(printed.ops.size(), shown.ops.size());
}
