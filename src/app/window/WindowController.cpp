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
#include "app/window/frmMain.h"
#include "common/RuntimeError.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/sheets/SheetLayout.h"
#include "settings/StatusLine.h"

#include <QCoreApplication>
#include <QTimer>

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
    , m_printerPapers(services.store)
    , m_ownPageSetup(std::make_unique<QtPageSetupBackend>(&window))
    , m_pageSetup(m_ownPageSetup.get())
{
    connect(&window, &frmMain::printAltitudeRequested, this, &WindowController::runJob<AltitudePrintJob>);
    connect(&window, &frmMain::printAzimuthRequested, this, &WindowController::runJob<AzimuthPrintJob>);
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
}

WindowController::~WindowController() = default;

void WindowController::start()
{
    m_window.showVersion();
    const WindowPosition position = m_lastExit.start();
    reportUnusablePrinterScale();
    m_window.moveToTwips(position.top, position.left);
    m_window.refreshValueLabels();
    // Asked of the print system once the window is up, not before it shows.
    QTimer::singleShot(0, this, [this] {
        restorePaper();
        showPaper();
    });
}

void WindowController::restorePaper()
{
    try {
        Printer& printer = m_printers.current();
        if (m_papersRestored.contains(printer.deviceName()))
            return;
        m_papersRestored << printer.deviceName();
        if (const std::optional<PaperChoice> kept = m_printerPapers.paper(printer.deviceName())) {
            printer.setOrientation(kept->orientation);
            printer.setPaper(kept->size);
        } else if (const std::optional<QString> why = m_printerPapers.refusal(printer.deviceName())) {
            m_window.model().status().show(StatusLine::kErrorColor,
                tr("The paper kept for '%1' is not used: %2; it prints on the printer's own paper.")
                    .arg(printer.deviceName(), *why));
        }
    } catch (const std::exception&) {
        // No printer, or one that refuses the kept paper: the paper line shows what it has.
    }
}

void WindowController::keepPaper()
{
    try {
        Printer& printer = m_printers.current();
        const PaperFormat paper = printer.paper();
        m_papersRestored << printer.deviceName();
        QString reason;
        if (!m_printerPapers.keep(
                printer.deviceName(), PaperChoice { paper.size, paper.orientation }, reason))
            m_window.model().status().show(
                StatusLine::kErrorColor, tr("The paper could not be kept: ") + reason);
    } catch (const std::exception&) {
        // Nothing to keep; the paper line says so.
    }
    showPaper();
}

void WindowController::showPaper()
{
    Printer* printer = nullptr;
    try {
        printer = &m_printers.current();
        const PaperFormat paper = printer->paper();
        m_window.showPaper(PaperChoice { paper.size, paper.orientation }.shownText());
    } catch (const std::exception&) {
        m_window.showPaper(printer != nullptr ? tr("paper unknown") : tr("no printer"));
    }
}

void WindowController::openPageSetup()
{
    if (m_jobRunning)
        return;
    try {
        m_printers.current();
    } catch (const RuntimeError& error) {
        m_window.model().status().show(
            StatusLine::kErrorColor, tr("Cannot select a printer: ") + error.description());
        return;
    }
    restorePaper();
    try {
        Printer& printer = m_printers.current();
        const PaperFormat paper = printer.paper();
        const std::optional<PaperChoice> chosen
            = m_pageSetup->exec(printer.deviceName(), PaperChoice { paper.size, paper.orientation });
        if (!chosen)
            return;
        printer.setOrientation(chosen->orientation);
        printer.setPaper(chosen->size);
    } catch (const std::exception&) {
        // A paper the printer refuses leaves it with the one it had, which the paper line shows.
    }
    keepPaper();
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

template <typename Job> void WindowController::runJob()
{
    if (m_jobRunning)
        return;
    m_jobRunning = true;
    restorePaper();
    try {
        Job(m_window.model(), *this).run();
    } catch (...) {
        m_jobRunning = false;
        throw;
    }
    m_jobRunning = false;
}

template <typename Job> void WindowController::runExport(const QString& title)
{
    if (m_jobRunning)
        return;
    m_jobRunning = true;
    try {
        m_export.run<Job>(*this, title);
    } catch (...) {
        m_jobRunning = false;
        throw;
    }
    m_jobRunning = false;
}

template <typename Job> void WindowController::runPreview()
{
    if (m_jobRunning)
        return;
    m_jobRunning = true;
    restorePaper();
    PreviewJobHost host(*this, m_printers, m_printerScales);
    try {
        Job(m_window.model(), host).run();
    } catch (...) {
        m_jobRunning = false;
        throw;
    }
    m_jobRunning = false;
    if (!host.ended())
        return;
    if (!m_preview) {
        m_preview = new PreviewWindow(&m_window);
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_preview->showSheets(host.sheets(), host.paper());
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
    if (m_jobRunning)
        return;
    StatusLine& status = m_window.model().status();
    try {
        m_printers.current();
    } catch (const RuntimeError& error) {
        status.show(StatusLine::kErrorColor, tr("Cannot select a printer: ") + error.description());
        return;
    }
    restorePaper();
    CurrentPrinterScale host(m_printers, m_selection, m_printerScales, &m_queueJob);
    PrinterScaleDialog dialog(host, &m_window);
    dialog.exec();
    // Its calibration page's print dialog may have chosen another printer or paper.
    if (!m_selection.printCancelled())
        keepPaper();
    if (!dialog.outcome().isEmpty())
        status.show(StatusLine::kStatusColor, dialog.outcome());
}

void WindowController::selectPrinter()
{
    m_selection.SelectPrinter();
    // The dialog's choice becomes the printer's, for the next start too.
    if (!m_selection.printCancelled())
        keepPaper();
}

bool WindowController::printCancelled() const
{
    return m_selection.printCancelled();
}

SheetFormat WindowController::sheetFormat()
{
    return currentSheetFormat(m_printers, m_printerScales);
}

std::unique_ptr<PrintSurface> WindowController::openSurface(const SheetRequest& request)
{
    Printer& printer = m_printers.current();
    return openSheetDocument(request, [this, &printer](const std::vector<Page>& sheets) {
        printer.printSheets(sheets);
        if (const std::optional<QueueJob> job = printer.lastJob())
            m_queueJob.follow(*job);
    });
}

void WindowController::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void WindowController::focusSizeText(SizeText which)
{
    m_window.focusSizeText(which);
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
