#include "app/CommandLine.h"
#include "app/PdfCommand.h"
#include "app/QtSettingsFilePrompts.h"
#include "app/WindowController.h"
#include "app/frmMain.h"
#include "common/FileSizeSignal.h"
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/printers/QtPrinterSystem.h"
#include "settings/QtSettingsStore.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler s_qtHandler = nullptr;

// Qt ends a program whose window system can't be reached with an abort; say why instead and end
// with an error.
void refuseWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (!context.category || qstrncmp(context.category, "qt.qpa", 6) != 0)
            s_qtHandler(type, context, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty())
        std::fputs("vennaros: cannot open the window: there is no display (DISPLAY and WAYLAND_DISPLAY are "
                   "not set).\n",
            stderr);
    else
        std::fprintf(stderr, "vennaros: cannot open the window: the display '%s' can't be reached.\n",
            (display.isEmpty() ? wayland : display).constData());
    std::fputs("vennaros --print-pdf prints without a window; see vennaros --help.\n", stderr);
    std::_Exit(1);
}

// Qt's own options (-platform xcb, -style fusion) are Qt's business, not the command line's.
QStringList withoutQtOptions(int argc, char* argv[])
{
    static const QStringList withValue = { QStringLiteral("platform"), QStringLiteral("display"),
        QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowtitle"), QStringLiteral("platformtheme") };
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        QString name = argument;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (i > 0 && argument.startsWith(QLatin1Char('-')) && withValue.contains(name)) {
            ++i;
            continue;
        }
        arguments << argument;
    }
    return arguments;
}

int runWindow(int argc, char* argv[])
{
    s_qtHandler = qInstallMessageHandler(refuseWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(s_qtHandler);

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

} // namespace

int main(int argc, char* argv[])
{
    process::ignoreFileSizeSignal();
    const CommandLine line = CommandLine::parse(withoutQtOptions(argc, argv));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(CommandLine::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "vennaros: %s\nTry 'vennaros --help'.\n", line.error.toLocal8Bit().constData());
        return CommandLine::kUsageError;
    case CommandLine::Action::PrintPdf: {
        // Never a window, so no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Vennaros"));
        QTextStream errors(stderr);
        return pdfcommand::run(line, errors);
    }
    case CommandLine::Action::Window:
        break;
    }
    return runWindow(argc, argv);
}
