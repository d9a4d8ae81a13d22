#include "app/Translations.h"
#include "app/cli/CommandLine.h"
#include "app/cli/FileCommand.h"
#include "app/printsupport/LoadedPrintSupport.h"
#include "app/window/QtSettingsFilePrompts.h"
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "common/FileSizeSignal.h"
#include "settings/QtSettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <thread>
#include <vector>

namespace {

QtMessageHandler s_qtHandler = nullptr;
QString s_platform; ///< the platform plugin asked for by -platform or QT_QPA_PLATFORM
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> s_heldMessages;

// The handler runs while QApplication is being made, before any translator is installed.
QString translated(const char* text)
{
    for (const std::unique_ptr<QTranslator>& translator :
        translations::load(translations::messagesLocale())) {
        const QString done = translator->translate("main", text);
        if (!done.isEmpty())
            return done;
    }
    return QString::fromUtf8(text);
}

// Qt ends a program whose window system can't be reached with an abort and a page of advice; say
// why in one line instead and end with an error.
void refuseWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        // Held back until the window system answers: the refusal is to be the one line.
        if (!context.category || qstrncmp(context.category, "qt.qpa", 6) != 0)
            s_heldMessages.push_back({ type, QByteArray(context.category ? context.category : ""), message });
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QString reason;
    // Qt's message ends with the plugins it has: a plugin among them only failed to reach the display.
    const QString available = message.section(QStringLiteral("Available platform plugins are: "), 1);
    const QStringList plugins = available.section(QLatin1Char('.'), 0, 0).split(QStringLiteral(", "));
    const QString platform = s_platform.section(QLatin1Char(':'), 0, 0);
    if (!platform.isEmpty() && !available.isEmpty() && !plugins.contains(platform))
        reason = translated(QT_TRANSLATE_NOOP("main", "there is no platform plugin '%1'")).arg(platform);
    else if (display.isEmpty() && wayland.isEmpty())
        reason = translated(QT_TRANSLATE_NOOP("main", "DISPLAY and WAYLAND_DISPLAY are not set"));
    else
        reason = translated(QT_TRANSLATE_NOOP("main", "'%1' can't be reached"))
                     .arg(QString::fromLocal8Bit(display.isEmpty() ? wayland : display));
    const QString line
        = translated(QT_TRANSLATE_NOOP("main",
                         "vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.\n"))
              .arg(reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
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

void printError(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
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
// replaced: a file under that name would be another file, and any other value another value.
int undecodableArgument(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (QFile::encodeName(QFile::decodeName(QByteArray(argv[i]))) != QByteArray(argv[i]))
            return i;
    return 0;
}

// The option whose value argument i is ("--zero-at" for "--zero-at X" and "--zero-at=X").
QByteArray optionOf(int i, char* argv[])
{
    const QByteArray argument(argv[i]);
    if (argument.startsWith('-') && argument.contains('='))
        return argument.left(argument.indexOf('='));
    const QByteArray before = i > 1 ? QByteArray(argv[i - 1]) : QByteArray();
    return before.startsWith('-') && !before.contains('=') ? before : QByteArray();
}

int runWindow(int argc, char* argv[])
{
    s_platform = QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM"));
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            s_platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    // The window's first text waits for the font configuration, which takes milliseconds to read:
    // read it while the display connection is made. Fontconfig keeps the first configuration loaded.
    std::thread fonts([] { FcInit(); });
    s_qtHandler = qInstallMessageHandler(refuseWithoutDisplay);
    QApplication app(argc, argv);
    fonts.join();
    qInstallMessageHandler(s_qtHandler);
    for (const HeldMessage& held : s_heldMessages)
        s_qtHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
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
    LoadedPrintSupport print(&window);
    QtSettingsFilePrompts prompts(&window);
    WindowController controller(window, { *store, print, print, prompts });
    controller.setPageSetupBackend(print);

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
        if (const int bad = undecodableArgument(argc, argv)) {
            QCoreApplication app(argc, argv);
            translations::install();
            QByteArray option = optionOf(bad, argv);
            while (option.startsWith('-'))
                option.remove(0, 1);
            const bool file
                = option == "print-pdf" || option == "svg" || option == "dxf" || option == "settings";
            const QString name = QString::fromLocal8Bit(argv[bad]);
            if (file) {
                printError(QCoreApplication::translate("main",
                    "vennaros: '%1' is not valid UTF-8; no file is read or written under another name.\n")
                               .arg(name));
                return 1;
            }
            printError(option.isEmpty()
                    ? QCoreApplication::translate("main", "vennaros: '%1' is not valid UTF-8.\n").arg(name)
                    : QCoreApplication::translate("main", "vennaros: the value of --%1 is not valid UTF-8.\n")
                          .arg(QString::fromLatin1(option)));
            return CommandLine::kUsageError;
        }
        // Never a window, so no display is needed.
        // Qt's own options are left out: a -platform would ask for the display again.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
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
