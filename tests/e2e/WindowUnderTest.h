// The window with its controller as main() puts them together, over a printer system of the test's
// choice, a settings store in a file of the test's and a scripted print dialog (a person would
// answer the real one).
#pragma once

#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "print/printers/QtPrinterSystem.h"
#include "settings/QtSettingsStore.h"
#include "support/NoFilePrompts.h"
#include "support/ScriptedPrinters.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace e2e {

struct WindowUnderTest {
    WindowUnderTest(const QString& iniPath, PrinterSystem& printers)
        : store(iniPath)
        , window(model)
        , controller(window, { store, printers, dialog, prompts })
    {
        controller.start();
    }

    template <typename T> T* child(const QString& name) { return window.findChild<T*>(name); }
    void click(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void type(const QString& box, const QString& text)
    {
        auto* edit = child<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QString status() const { return model.status().text(); }
    /// Lets the window follow the job it sent until it knows how the job went.
    bool jobFollowed()
    {
        return QTest::qWaitFor([this] { return !controller.queueJob().following(); }, 10000);
    }

    SettingsModel model;
    QtSettingsStore store;
    ScriptedPrintDialog dialog;
    NoFilePrompts prompts;
    frmMain window;
    WindowController controller;
};

/// The real printer system, which the window's controller is given before it exists.
struct RealPrinters {
    QtPrinterSystem printers;
};

/// The program on the machine's print system, its window shown.
struct Program : RealPrinters, WindowUnderTest {
    explicit Program(const QString& iniPath)
        : WindowUnderTest(iniPath, printers)
    {
        window.show();
    }
};

} // namespace e2e
