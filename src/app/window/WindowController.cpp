#include "app/window/WindowController.h"

#include "app/help/AboutDialog.h"
#include "app/help/UserGuide.h"
#include "app/help/UserGuideWindow.h"
#include "app/output/CurrentSheets.h"
#include "app/output/PreviewJobHost.h"
#include "app/preview/PreviewWindow.h"
#include "app/printer/CurrentPrinterScale.h"
#include "app/printer/PageSetupBackend.h"
#include "app/printer/PrinterScaleDialog.h"
#include "app/window/PrinterJobHost.h"
#include "app/window/frmMain.h"
#include "common/RuntimeError.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/job/ProofSheet.h"
#include "print/job/WrapTape.h"
#include "settings/StatusLine.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWindow>

namespace {

/// The window's one running job, held for a scope; false when another job already runs.
class RunningJob {
public:
    explicit RunningJob(bool& running)
        : m_running(running)
        , m_held(!running)
    {
        m_running = true;
    }
    ~RunningJob()
    {
        if (m_held)
            m_running = false;
    }
    RunningJob(const RunningJob&) = delete;
    RunningJob& operator=(const RunningJob&) = delete;

    explicit operator bool() const { return m_held; }

private:
    bool& m_running;
    bool m_held;
};

} // namespace

WindowController::WindowController(frmMain& window, Services services)
    : m_window(window)
    , m_printers(services.printers)
    , m_selection(services.printers, services.dialog)
    , m_lastExit(window.model(), services.store)
    , m_fileCommands(window.model(), services.prompts)
    , m_export(window.model(), services.prompts,
          [this, &store = services.store] {
              return QStringList { store.fileName() } + m_fileCommands.filesUsed();
          })
    , m_printerScales(services.store)
    , m_paper(services.printers, PrinterPapers(services.store), window.model().status(),
          [&window](const QString& paper) { window.showPaper(paper); })
    , m_queueJob([&printers = services.printers](const QueueJob& job) { return printers.jobStatus(job); })
{
    connect(&window, &frmMain::printAltitudeRequested, this, &WindowController::runPrint<AltitudePrintJob>);
    connect(&window, &frmMain::printAzimuthRequested, this, &WindowController::runPrint<AzimuthPrintJob>);
    connect(&window, &frmMain::resetRequested, this, [this] { m_lastExit.reset(); });
    connect(&window, &frmMain::exitRequested, this, &WindowController::exit);
    connect(&window, &frmMain::saveRequested, this, [this] { m_fileCommands.save(); });
    connect(&window, &frmMain::restoreRequested, this, [this] { m_fileCommands.restore(); });
    connect(
        &window, &frmMain::previewAltitudeRequested, this, &WindowController::runPreview<AltitudePrintJob>);
    connect(&window, &frmMain::previewAzimuthRequested, this, &WindowController::runPreview<AzimuthPrintJob>);
    connect(&window, &frmMain::exportAltitudeRequested, this,
        [this] { runExport<AltitudePrintJob>(tr("Export Altitude")); });
    connect(&window, &frmMain::exportAzimuthRequested, this,
        [this] { runExport<AzimuthPrintJob>(tr("Export Azimuth/RA")); });
    connect(&window, &frmMain::printerScaleRequested, this, &WindowController::openPrinterScale);
    connect(&window, &frmMain::pageSetupRequested, this, &WindowController::openPageSetup);
    connect(&window, &frmMain::wrapTapeRequested, this, &WindowController::printTape);
    // The azimuth circle's graduation: the one wrapped round an axis and read most.
    connect(&window, &frmMain::proofSheetRequested, this,
        [this] { printPage(ProofSheet(AzimuthPrintJob(m_window.model()).circle())); });
    connect(&window, &frmMain::previewProofSheetRequested, this,
        [this] { previewPage(ProofSheet(AzimuthPrintJob(m_window.model()).circle())); });
    connect(&window, &frmMain::aboutRequested, this, &WindowController::showAbout);
    connect(&window, &frmMain::userGuideRequested, this, &WindowController::showUserGuide);
    connect(&m_queueJob, &QueueJobFollower::failed, this,
        [this](const QString& message) { m_window.model().status().show(StatusLine::kErrorColor, message); });
    connect(&m_queueJob, &QueueJobFollower::delayed, this,
        [this](const QString& message) { m_window.model().status().show(StatusLine::kErrorColor, message); });
    // Only over the wait it said: anything the user did since keeps its own message.
    connect(&m_queueJob, &QueueJobFollower::printed, this, [this](const QString& message) {
        StatusLine& status = m_window.model().status();
        if (status.text() == m_queueJob.delay())
            status.show(StatusLine::kStatusColor, message);
    });
    connect(&window.model(), &SettingsModel::textChanged, this, [this](SizeText which) {
        if (which == m_refusedBox)
            clearAnsweredRefusal();
    });
}

WindowController::~WindowController() = default;

void WindowController::start()
{
    m_window.showVersion();
    const WindowPosition position = m_lastExit.start();
    reportUnusablePrinterScale();
    m_window.moveToTwips(position.top, position.left);
    m_window.refreshValueLabels();
    // Asked of the print system once the window is painted: loading the print module and the print
    // server's answers would otherwise keep the first paint waiting.
    QTimer::singleShot(0, this, [this] {
        QWindow* shown = m_window.windowHandle();
        if (shown == nullptr || !m_window.isVisible() || shown->isExposed()) {
            showPaperLine();
            return;
        }
        shown->installEventFilter(this);
        // A window the window system never shows still gets its paper line.
        QTimer::singleShot(kPaperLineWaitMs, this, &WindowController::showPaperLine);
    });
}

bool WindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == m_window.windowHandle()
        && m_window.windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // Queued: the expose paints the window first.
        QTimer::singleShot(0, this, &WindowController::showPaperLine);
    }
    return QObject::eventFilter(watched, event);
}

void WindowController::showPaperLine()
{
    if (m_paperLineShown)
        return;
    m_paperLineShown = true;
    // A job that lets the window handle its events has restored and turned the paper for itself.
    if (m_jobRunning)
        return;
    m_paper.restore();
    // The line names the paper as the first print button would print on it: turned to fit, as long
    // as the user has chosen no orientation.
    turnToFit(AltitudePrintJob(m_window.model()));
    m_paper.show();
}

void WindowController::openPageSetup()
{
    if (const RunningJob running(m_jobRunning); running && m_pageSetup != nullptr) {
        if (m_paper.setUp(*m_pageSetup))
            clearAnsweredRefusal();
    }
}

void WindowController::clearAnsweredRefusal()
{
    StatusLine& status = m_window.model().status();
    if (!m_refusal.isEmpty() && status.color() == StatusLine::kErrorColor && status.text() == m_refusal)
        status.setText(QString());
    m_refusal.clear();
}

void WindowController::turnToFit(const PrintJob& job)
{
    m_paper.turnToFit([&] { return job.fitsUnsplit(currentSheetFormat(m_printers, m_printerScales)); });
}

void WindowController::reportUnusablePrinterScale()
{
    // A store that could not be read has said so already.
    StatusLine& status = m_window.model().status();
    if (status.color() == StatusLine::kErrorColor)
        return;
    // From the store alone: the window starts without asking the print system.
    if (const auto unusable = m_printerScales.firstUnusable())
        status.show(StatusLine::kErrorColor,
            tr("Printer scale for '%1' ignored: %2; it prints unscaled.")
                .arg(unusable->first, unusable->second));
}

JobCaller WindowController::jobCaller(bool printDialog)
{
    JobCaller caller { m_window.model().status(), nullptr, [] { QCoreApplication::processEvents(); },
        [this](SizeText which) { m_window.focusSizeText(which); },
        // A printer's fault has no size box to go to: only a refusal of the size or paper is
        // answered by changing them.
        [this](const JobRefusal& refusal) {
            if (refusal.focus && *refusal.focus != SizeText::ZeroAt) {
                m_refusal = refusal.message;
                m_refusedBox = *refusal.focus;
            }
        } };
    m_refusal.clear();
    if (printDialog) {
        caller.selectPrinter = [this] {
            const std::optional<CurrentPaper::Proposal> proposed = m_paper.proposal();
            m_selection.SelectPrinter();
            if (m_selection.printCancelled())
                return false;
            // What the user chose in the dialog becomes the printer's, for the next start too.
            m_paper.confirm(proposed);
            return true;
        };
    }
    return caller;
}

template <typename Job> void WindowController::runPrint()
{
    const RunningJob running(m_jobRunning);
    if (!running)
        return;
    m_paper.restore();
    const Job job(m_window.model());
    turnToFit(job);
    PrinterJobHost printer(m_printers, m_printerScales, m_queueJob);
    runJob(job, jobCaller(true), printer);
}

template <typename Job> void WindowController::runExport(const QString& title)
{
    if (const RunningJob running(m_jobRunning); running)
        m_export.run<Job>(jobCaller(false), title);
}

template <typename Job> void WindowController::runPreview()
{
    PreviewJobHost host(m_printers, m_printerScales);
    std::optional<double> lengthMm;
    {
        const RunningJob running(m_jobRunning);
        if (!running)
            return;
        m_paper.restore();
        const Job job(m_window.model());
        turnToFit(job);
        JobCaller caller = jobCaller(false);
        // No dialog, but no preview without a printer whose paper to show.
        caller.selectPrinter = [this] {
            m_printers.current();
            return true;
        };
        runJob(job, caller, host);
        lengthMm = job.stripLengthMm();
    }
    showPreview(host, lengthMm);
}

void WindowController::printPage(const PageJob& page)
{
    const RunningJob running(m_jobRunning);
    if (!running)
        return;
    m_paper.restore();
    PrinterJobHost printer(m_printers, m_printerScales, m_queueJob);
    runPageJob(page, jobCaller(true), printer);
}

void WindowController::previewPage(const PageJob& page)
{
    PreviewJobHost host(m_printers, m_printerScales);
    {
        const RunningJob running(m_jobRunning);
        if (!running)
            return;
        m_paper.restore();
        JobCaller caller = jobCaller(false);
        caller.selectPrinter = [this] {
            m_printers.current();
            return true;
        };
        runPageJob(page, caller, host);
    }
    showPreview(host);
}

void WindowController::printTape(const QString& length)
{
    const std::variant<QString, TapeLength> read = TapeLength::read(length);
    if (const auto* refusal = std::get_if<QString>(&read)) {
        m_window.model().status().show(StatusLine::kErrorColor, *refusal);
        return;
    }
    printPage(WrapTape(std::get<TapeLength>(read)));
}

void WindowController::showPreview(const PreviewJobHost& host, std::optional<double> lengthMm)
{
    if (!host.ended())
        return;
    if (!m_preview) {
        m_preview = new PreviewWindow(&m_window);
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_preview->showSheets(host.endedSheets(), host.paper());
    m_preview->showLength(lengthMm);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

void WindowController::exit()
{
    const QPointF edges = m_window.positionTwips();
    if (m_lastExit.exit(WindowPosition { static_cast<float>(edges.y()), static_cast<float>(edges.x()) }))
        m_window.close();
}

void WindowController::openPrinterScale()
{
    // Not from inside a job's round of events.
    const RunningJob running(m_jobRunning);
    if (!running)
        return;
    StatusLine& status = m_window.model().status();
    try {
        m_printers.current();
    } catch (const RuntimeError& error) {
        status.show(StatusLine::kErrorColor, tr("Cannot select a printer: ") + error.description());
        return;
    }
    m_paper.restore();
    CurrentPrinterScale host(m_printers, m_selection, m_printerScales, &m_queueJob);
    PrinterScaleDialog dialog(host, &m_window);
    dialog.exec();
    // Its calibration page's print dialog may have chosen another printer or paper.
    if (!m_selection.printCancelled())
        m_paper.keep();
    if (!dialog.outcome().isEmpty())
        status.show(StatusLine::kStatusColor, dialog.outcome());
}

namespace {
// A dialog already open comes to the front instead of opening twice.
void present(QDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
} // namespace

void WindowController::showAbout()
{
    if (!m_about) {
        m_about = new AboutDialog(&m_window);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    present(m_about);
}

void WindowController::showUserGuide()
{
    if (!m_guide) {
        const QString path = userguide::locate();
        if (path.isEmpty()) {
            m_window.model().status().show(StatusLine::kErrorColor,
                tr("The user guide is not installed; \"man vennaros\" describes the program."));
            return;
        }
        m_guide = new UserGuideWindow(path, &m_window);
        m_guide->setAttribute(Qt::WA_DeleteOnClose);
    }
    present(m_guide);
}
