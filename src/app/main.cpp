#include "app/Translations.h"
#include "app/cli/CommandLine.h"
#include "app/cli/FileCommand.h"
#include "app/window/QtSettingsFilePrompts.h"
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "common/FileSizeSignal.h"
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/printers/QtPrinterSystem.h"
#include "settings/QtSettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// Text for standard output: a write that fails (a full disk, a closed pipe) is an error to exit 1 on.
int printOut(const QString& text)
{
    if (std::fputs(text.toLocal8Bit().constData(), stdout) >= 0 && std::fflush(stdout) == 0)
        return 0;
    const int error = errno;
    std::fprintf(stderr, "vennaros: cannot write to standard output: %s\n", std::strerror(error));
    return 1;
}

// An argument whose bytes are not valid in the system's encoding comes to us with its bad bytes
// replaced: a file under that name would be another file.
const char* undecodableArgument(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (QFile::encodeName(QFile::decodeName(QByteArray(argv[i]))) != QByteArray(argv[i]))
            return argv[i];
    return nullptr;
}

int runWindow(int argc, char* argv[])
{
    s_qtHandler = qInstallMessageHandler(refuseWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(s_qtHandler);
    translations::install();

    QApplication::setApplicationName(QStringLiteral("Vennaros"));
    QApplication::setOrganizationName(QStringLiteral("Vennaros"));
    QApplication::setApplicationDisplayName(QCoreApplication::translate("frmMain", "Print Vennaros"));
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
    case CommandLine::Action::Error: {
        // Parsed again once the translators are in, so that the texts come in the user's language.
        QCoreApplication app(argc, argv);
        translations::install();
        if (line.action == CommandLine::Action::Help)
            return printOut(CommandLine::helpText());
        const QString error = CommandLine::parse(withoutQtOptions(argc, argv)).error;
        std::fputs(
            qPrintable(
                QCoreApplication::translate("main", "vennaros: %1\nTry 'vennaros --help'.\n").arg(error)),
            stderr);
        return CommandLine::kUsageError;
    }
    case CommandLine::Action::Version:
        return printOut(CommandLine::versionText());
    case CommandLine::Action::PrintPdf:
    case CommandLine::Action::Export: {
        if (const char* name = undecodableArgument(argc, argv)) {
            std::fprintf(stderr,
                "vennaros: '%s' is not valid UTF-8; no file is read or written under another name.\n", name);
            return 1;
        }
        // Never a window, so no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Vennaros"));
        translations::install();
        QTextStream errors(stderr);
        return filecommand::run(line, errors);
    }
    case CommandLine::Action::Window:
        break;
    }
    return runWindow(argc, argv);
}
