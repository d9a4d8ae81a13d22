#include "app/QtSettingsFilePrompts.h"
#include "app/WindowController.h"
#include "app/frmMain.h"
#include "common/FileSizeSignal.h"
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/surface/QtPrinterSystem.h"
#include "settings/QtSettingsStore.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    process::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vennaros"));
    QApplication::setOrganizationName(QStringLiteral("Vennaros"));
    QApplication::setApplicationDisplayName(QStringLiteral("Print Vennaros"));
    QApplication::setDesktopFileName(QStringLiteral("org.vennaros.Vennaros"));
    QIcon icon;
    for (const int size : { 48, 64, 128 })
        icon.addFile(QStringLiteral(":/icons/%1x%1/vennaros.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    SettingsModel model;
    frmMain window(model);
    const auto store = QtSettingsStore::openUserStore();
    QtPrinterSystem printers;
    QtPrintDialogBackend dialog(&window);
    QtSettingsFilePrompts prompts(&window);
    WindowController controller(window, { *store, printers, dialog, prompts });

    controller.start();
    window.show();
    return app.exec();
}
