// What printing costs, with a print server reachable and without one:
// - the worst page recorded, and printed to a PDF file by the PDF printer, against a bare QPdfWriter
//   drawing the same primitives, in the process and as whole processes that start, print and exit;
// - a job handed to a print queue, against lp of the same PDF file (with a server only);
// - the window built and shown in the process, and a process's start until its window is mapped on
//   the X server, against an empty QWidget window (under Xvfb only).
//
//   vennaros_benchmark [--print-server=private|none] [Google Benchmark options]
// "private" starts a print scheduler of its own (needs root and cups) with a default queue.
#include "BarePdfPage.h"
#include "WorstPage.h"
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/dialog/PrintDialogBackend.h"
#include "print/page/RecordingSurface.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/printers/QtPrinterSystem.h"
#include "print/printers/QueuePrinter.h"
#include "print/sheets/SheetLayout.h"
#include "settings/QtSettingsStore.h"
#include "settings/SettingsFilePrompts.h"
#include "support/NoFilePrompts.h"
#include "support/PrivateCupsScheduler.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <xcb/xcb.h>

extern char** environ;

namespace {

const QString kQueue = QStringLiteral("Bench");

QTemporaryDir* g_dir = nullptr;
bool g_server = false;

QString tempFile(const char* name)
{
    return g_dir->filePath(QString::fromLatin1(name));
}

/// The sheets of the worst page, as the job hands them to a printer.
std::vector<Page> worstSheets()
{
    struct Capture : Printer {
        std::vector<Page> sheets;
        QString deviceName() const override { return {}; }
        QString driverName() const override { return {}; }
        QString port() const override { return {}; }
        PageOrientation orientation() const override { return PageOrientation::Landscape; }
        void setOrientation(PageOrientation) override { }
        Duplex duplex() const override { return Duplex::Simplex; }
        void setDuplex(Duplex) override { }
        qint16 copies() const override { return 1; }
        void setCopies(qint16) override { }
        PaperFormat paper() const override
        {
            return PaperFormat::of(QPageSize(QPageSize::A4), PageOrientation::Landscape);
        }
        void setPaper(const QPageSize&) override { }
        void printSheets(const std::vector<Page>& printed) override { sheets = printed; }
    } capture;
    SettingsModel model;
    worstPageSettings(model);
    OnePrinterHost host(capture);
    runWithoutWindow(AltitudePrintJob(model), model, host);
    return capture.sheets;
}

std::vector<BarePrimitive> barePrimitives(const Page& page)
{
    std::vector<BarePrimitive> primitives;
    for (const PageOp& op : page.ops) {
        const char kind = op.kind == PageOp::Kind::Stroke ? 'S'
            : op.kind == PageOp::Kind::FilledBox          ? 'B'
                                                          : 'T';
        primitives.push_back(
            { kind, op.x, op.y, op.dx, op.dy, op.colour, op.penDots, op.fontPoints, op.fontName, op.text });
    }
    return primitives;
}

/// The environment of a child: this one's, with the settings in the benchmark's folder.
std::vector<std::string> childEnvironment(const char* platform)
{
    std::vector<std::string> variables;
    for (char** v = environ; *v != nullptr; ++v) {
        if (std::strncmp(*v, "HOME=", 5) != 0 && std::strncmp(*v, "XDG_CONFIG_HOME=", 16) != 0
            && std::strncmp(*v, "QT_QPA_PLATFORM=", 16) != 0)
            variables.emplace_back(*v);
    }
    variables.push_back("HOME=" + g_dir->path().toStdString());
    variables.push_back("XDG_CONFIG_HOME=" + g_dir->path().toStdString() + "/config");
    variables.push_back(std::string("QT_QPA_PLATFORM=") + platform);
    return variables;
}

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, const char* platform)
{
    std::vector<std::string> argvStrings { program };
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : argvStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings = childEnvironment(platform);
    std::vector<char*> envp;
    for (auto& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool runToEnd(const std::string& program, const std::vector<std::string>& arguments)
{
    const pid_t pid = spawn(program, arguments, "offscreen");
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void WorstPageRecorded(benchmark::State& state)
{
    SettingsModel model;
    worstPageSettings(model);
    const auto metrics = std::make_shared<FontTextMetrics>();
    struct Host : OnePrinterHost {
        using OnePrinterHost::OnePrinterHost;
        std::shared_ptr<const TextMetrics> metrics;
        std::unique_ptr<PrintSurface> open(const SheetRequest& request) override
        {
            return std::make_unique<RecordingSurface>(request.format.paper.width, metrics);
        }
    };
    PdfFilePrinter printer;
    printer.setOrientation(PageOrientation::Landscape);
    Host host(printer);
    host.metrics = metrics;
    for (auto _ : state)
        benchmark::DoNotOptimize(runWithoutWindow(AltitudePrintJob(model), model, host));
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}
BENCHMARK(WorstPageRecorded)->Unit(benchmark::kMillisecond);

void WorstPageToPdf(benchmark::State& state)
{
    SettingsModel model;
    worstPageSettings(model);
    PdfFilePrinter printer;
    printer.setOrientation(PageOrientation::Landscape);
    printer.setPaper(QPageSize(QPageSize::A4));
    const QString file = tempFile("worst.pdf");
    printer.setOutputFileName(file);
    OnePrinterHost host(printer);
    for (auto _ : state)
        runWithoutWindow(AltitudePrintJob(model), model, host);
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}
BENCHMARK(WorstPageToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BareQPdfWriterPage(benchmark::State& state)
{
    const std::vector<BarePrimitive> primitives = barePrimitives(worstSheets().at(0));
    const QString file = tempFile("bare.pdf");
    for (auto _ : state)
        benchmark::DoNotOptimize(drawBarePdf(file, primitives));
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["primitives"] = static_cast<double>(primitives.size());
}
BENCHMARK(BareQPdfWriterPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void WorstPageProcess(benchmark::State& state)
{
    const std::string out = tempFile("process.pdf").toStdString();
    for (auto _ : state) {
        if (!runToEnd(VENNAROS_WORST_PAGE_PROCESS, { out }))
            state.SkipWithError("the process failed");
    }
}
BENCHMARK(WorstPageProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

void BarePdfProcess(benchmark::State& state)
{
    const QString primitives = tempFile("primitives.txt");
    writeBarePrimitives(primitives, barePrimitives(worstSheets().at(0)));
    const std::string out = tempFile("bare-process.pdf").toStdString();
    for (auto _ : state) {
        if (!runToEnd(VENNAROS_BARE_PDF_PAGE, { primitives.toStdString(), out }))
            state.SkipWithError("the process failed");
    }
}
BENCHMARK(BarePdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

void QueueSubmission(benchmark::State& state)
{
    if (!g_server) {
        state.SkipWithError("needs --print-server=private");
        return;
    }
    const std::vector<Page> sheets = worstSheets();
    QueuePrinter queue(kQueue);
    queue.setOrientation(PageOrientation::Landscape);
    queue.setPaper(QPageSize(QPageSize::A4));
    for (auto _ : state)
        queue.printSheets(sheets);
}
BENCHMARK(QueueSubmission)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

void LpSubmission(benchmark::State& state)
{
    if (!g_server) {
        state.SkipWithError("needs --print-server=private");
        return;
    }
    // The same document: the PDF printer's file of the worst page.
    PdfFilePrinter printer;
    printer.setOrientation(PageOrientation::Landscape);
    printer.setPaper(QPageSize(QPageSize::A4));
    const QString file = tempFile("lp.pdf");
    printer.setOutputFileName(file);
    printer.printSheets(worstSheets());
    for (auto _ : state) {
        if (!runToEnd("/usr/bin/lp", { "-d", kQueue.toStdString(), "-o", "media=A4", file.toStdString() }))
            state.SkipWithError("lp failed");
    }
}
BENCHMARK(LpSubmission)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

class NoDialog : public PrintDialogBackend {
public:
    std::optional<PrintDialogAnswer> exec(const PrintDialogRequest&) override { return std::nullopt; }
};

void WindowShown(benchmark::State& state)
{
    NoFilePrompts prompts;
    NoDialog dialog;
    QtPrinterSystem printers;
    for (auto _ : state) {
        SettingsModel model;
        QtSettingsStore store(tempFile("Vennaros.ini"));
        frmMain window(model);
        WindowController controller(window, { store, printers, dialog, prompts });
        controller.start();
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(WindowShown)->Unit(benchmark::kMillisecond);

/// From starting the program until the X server maps its top-level window; the program is then
/// ended. Needs DISPLAY (run under xvfb-run).
/// One connection for the whole run, which watches the root window: the X server resets when its
/// last client leaves.
xcb_connection_t* rootWatcher()
{
    static xcb_connection_t* x = [] {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return static_cast<xcb_connection_t*>(nullptr);
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection))
            return static_cast<xcb_connection_t*>(nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
        return connection;
    }();
    return x;
}

/// Forgets what the watcher saw so far: the windows this process showed itself (WindowShown) were
/// mapped on the same root, and one of them would pass for the program's window.
void forgetEarlierEvents(xcb_connection_t* x)
{
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(x))
        free(event);
}

/// Waits for the X server to map a top-level window; the window, or none after 10 s.
xcb_window_t waitForMap(xcb_connection_t* x)
{
    for (;;) {
        pollfd fd { xcb_get_file_descriptor(x), POLLIN, 0 };
        if (poll(&fd, 1, 10000) <= 0)
            return XCB_WINDOW_NONE;
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            xcb_window_t mapped = XCB_WINDOW_NONE;
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
                mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            free(event);
            if (mapped != XCB_WINDOW_NONE)
                return mapped;
        }
    }
}

void timeToWindowMapped(benchmark::State& state, const char* program)
{
    xcb_connection_t* x = rootWatcher();
    if (x == nullptr) {
        state.SkipWithError("needs an X server (xvfb-run)");
        return;
    }
    for (auto _ : state) {
        forgetEarlierEvents(x);
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = spawn(program, {}, "xcb");
        const bool mapped = pid > 0 && waitForMap(x) != XCB_WINDOW_NONE;
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        if (!mapped) {
            state.SkipWithError("no window was mapped");
            break;
        }
    }
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t value = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return value;
}

/// From the window manager's request to close the program's window (the title bar's close, which
/// Quit shares) until the X server unmaps it; the process is then waited for. Needs DISPLAY.
void timeToWindowClosed(benchmark::State& state, const char* program)
{
    xcb_connection_t* x = rootWatcher();
    if (x == nullptr) {
        state.SkipWithError("needs an X server (xvfb-run)");
        return;
    }
    const xcb_atom_t protocols = atom(x, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(x, "WM_DELETE_WINDOW");
    double exitSeconds = 0;
    for (auto _ : state) {
        forgetEarlierEvents(x);
        const pid_t pid = spawn(program, {}, "xcb");
        const xcb_window_t window = pid > 0 ? waitForMap(x) : xcb_window_t(XCB_WINDOW_NONE);
        if (window == XCB_WINDOW_NONE) {
            if (pid > 0) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
            state.SkipWithError("no window was mapped");
            break;
        }
        // The window as a user first meets it: painted, and whatever it does once up done.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        xcb_client_message_event_t message {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = deleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        const auto start = std::chrono::steady_clock::now();
        xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(x);
        bool unmapped = false;
        while (!unmapped) {
            pollfd fd { xcb_get_file_descriptor(x), POLLIN, 0 };
            if (poll(&fd, 1, 10000) <= 0)
                break;
            while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
                const uint8_t type = event->response_type & 0x7F;
                if ((type == XCB_UNMAP_NOTIFY
                        && reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window == window)
                    || (type == XCB_DESTROY_NOTIFY
                        && reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == window))
                    unmapped = true;
                free(event);
            }
        }
        const auto closed = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(closed - start).count());
        waitpid(pid, nullptr, 0);
        exitSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!unmapped) {
            state.SkipWithError("the window was not closed");
            break;
        }
    }
    state.counters["process_ended_ms"]
        = benchmark::Counter(exitSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void ProgramWindowClosed(benchmark::State& state)
{
    timeToWindowClosed(state, VENNAROS_PROGRAM);
}
BENCHMARK(ProgramWindowClosed)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void EmptyWindowClosed(benchmark::State& state)
{
    timeToWindowClosed(state, VENNAROS_EMPTY_WINDOW);
}
BENCHMARK(EmptyWindowClosed)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void ProgramWindowMapped(benchmark::State& state)
{
    timeToWindowMapped(state, VENNAROS_PROGRAM);
}
BENCHMARK(ProgramWindowMapped)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void EmptyWindowMapped(benchmark::State& state)
{
    timeToWindowMapped(state, VENNAROS_EMPTY_WINDOW);
}
BENCHMARK(EmptyWindowMapped)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    // Ours first: Google Benchmark refuses options it doesn't know.
    bool privateServer = false;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-server=private") == 0)
            privateServer = true;
        else if (std::strcmp(argv[i], "--print-server=none") != 0)
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());

    // Before anything talks to a print server: libcups keeps the one it reached first.
    PrivateCupsScheduler scheduler;
    if (privateServer) {
        QString problem = scheduler.start();
        const QString ppd
            = scheduler.writeFile(QStringLiteral("bench.ppd"), PrivateCupsScheduler::pdfPassThroughPpd("A4"));
        if (problem.isEmpty())
            problem = scheduler.addDefaultQueue(kQueue, QStringLiteral("file:///dev/null"), ppd);
        // Jobs are taken but not printed, so no filter competes with the measurements.
        if (problem.isEmpty() && !scheduler.retry(QStringLiteral("cupsdisable"), { kQueue }))
            problem = scheduler.lastError();
        if (!problem.isEmpty()) {
            fprintf(stderr, "no print scheduler: %s\n", qPrintable(problem));
            return 1;
        }
        g_server = true;
    } else {
        qputenv("CUPS_SERVER", "/nonexistent");
    }
    QApplication app(restCount, rest.data());
    QTemporaryDir dir;
    g_dir = &dir;
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_server)
        scheduler.run(QStringLiteral("cancel"), { QStringLiteral("-a"), kQueue });
    return 0;
}
