#pragma once

#include "app/printer/CurrentPaper.h"
#include "app/window/DrawingExport.h"
#include "print/dialog/PrinterSelection.h"
#include "print/printers/QueueJobFollower.h"
#include "settings/LastExitSettings.h"
#include "settings/PrinterScales.h"
#include "settings/SettingsFileCommands.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <optional>

class AboutDialog;
class PageJob;
class PreviewJobHost;
class PreviewWindow;
class UserGuideWindow;
class frmMain;
class PageSetupBackend;
class PrintDialogBackend;
class PrintJob;
class PrinterSystem;
class SettingsFilePrompts;
class SettingsStore;

/// Connects the window's buttons to the print jobs and the settings commands, and shows around a
/// job what the window holds for it: the printer selection, the progress, the refusal and the focus.
class WindowController : public QObject {
    Q_OBJECT
public:
    struct Services {
        SettingsStore& store;
        PrinterSystem& printers;
        PrintDialogBackend& dialog;
        SettingsFilePrompts& prompts;
    };

    /// The job sent to a print queue last, while it is being followed.
    const QueueJobFollower& queueJob() const { return m_queueJob; }

    WindowController(frmMain& window, Services services);
    ~WindowController() override;

    /// The window's load: version, position, the last-exit settings, value labels and mirrors.
    void start();

    /// The dialog "Page Setup..." shows; without one the button does nothing.
    void setPageSetupBackend(PageSetupBackend& backend) { m_pageSetup = &backend; }

    /// Help > About, beside the window.
    void showAbout();
    /// Help > User Guide, beside the window; the status line says so when it isn't installed.
    void showUserGuide();

private:
    /// Closes the window once the last-exit settings are written; when they can't be, the window
    /// stays open and the status line says why.
    void exit();
    /// "Printer scale...": the dialog for the current printer; what it kept shows in the status line.
    void openPrinterScale();
    /// A printer-scale value kept that can't be used, said once at start.
    void reportUnusablePrinterScale();

    /// "Page Setup...": the current printer's paper and orientation, set without printing.
    void openPageSetup();
    /// The current printer's kept paper, turned for the altitude job, and the paper line, once after
    /// the window's first paint.
    void showPaperLine();
    bool eventFilter(QObject* watched, QEvent* event) override;
    static constexpr int kPaperLineWaitMs = 2000;

    /// What the window shows around a job; with the print dialog when it prints.
    JobCaller jobCaller(bool printDialog);
    /// The current printer turned the way the job fits, unless the user chose its paper.
    void turnToFit(const PrintJob& job);
    /// The last job's refusal leaves the status line once the paper or the size it was about changed.
    void clearAnsweredRefusal();

    /// Runs a print job on the current printer.
    template <typename Job> void runPrint();
    /// A print job whose sheets go to the preview window instead of the printer: the same checks
    /// and refusals, no print dialog.
    template <typename Job> void runPreview();
    /// A page of its own (the wrap tape, the proof sheet) on the current printer, or in the preview.
    void printPage(const PageJob& page);
    void previewPage(const PageJob& page);
    /// "Wrap tape...": the length typed, refused in the status line when it is not one.
    void printTape(const QString& length);
    /// The sheets a preview host kept, in the preview window.
    /// lengthMm: the printed strip's, for the preview's status line; none for a page of its own.
    void showPreview(const PreviewJobHost& host, std::optional<double> lengthMm = std::nullopt);
    /// A print job whose page goes to a drawing file instead of the printer.
    template <typename Job> void runExport(const QString& title);

    frmMain& m_window;
    PrinterSystem& m_printers;
    /// A job lets the window handle its pending events once; a click then must not start a job, or
    /// a dialog, inside the first.
    bool m_jobRunning = false;
    PrinterSelection m_selection;
    LastExitSettings m_lastExit;
    SettingsFileCommands m_fileCommands;
    DrawingExport m_export;
    PrinterScales m_printerScales;
    CurrentPaper m_paper;
    PageSetupBackend* m_pageSetup = nullptr;
    QPointer<AboutDialog> m_about;
    QPointer<UserGuideWindow> m_guide;
    QPointer<PreviewWindow> m_preview;
    /// The refusal of the last job, while the status line may still show it.
    QString m_refusal;
    SizeText m_refusedBox = SizeText::ZeroAt; // the size box the refused job read
    bool m_paperLineShown = false;
    /// The last job handed to a print queue, until the queue has it printed or failed it.
    QueueJobFollower m_queueJob;
};
