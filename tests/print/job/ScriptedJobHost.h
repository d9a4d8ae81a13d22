#pragma once

#include "app/output/JobRun.h"
#include "print/page/RecordingSurface.h"
#include "print/printers/Printer.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

/// A recorded document as it was when the job let go of it.
struct Recording {
    RecordingSurface::DocumentState state = RecordingSurface::DocumentState::NotStarted;
    Page page;
    std::vector<Page> endedPages;
};

/// The window's side of a print job, scripted: the dialog is accepted or cancelled or throws, the
/// page is a recording of a chosen width that can be told to fail at its n-th drawing call (a
/// line or a print, as a printer that breaks mid-page), and every request of the job is counted.
class ScriptedJobHost : public JobOutput {
public:
    ScriptedJobHost(SettingsModel& model, qint32 pageWidth);

    /// Runs the job as the window does, around this host's dialog, events and focus.
    PagePosition run(const PrintJob& job);

    void setMetrics(std::shared_ptr<const TextMetrics> metrics) { m_metrics = std::move(metrics); }
    void cancelDialog() { m_cancel = true; }
    void failSelection(const QString& description) { m_selectionError = description; }
    void failAtDrawing(int n) { m_failAtDrawing = n; }
    /// Documents go to this printer instead of a recording.
    void usePrinter(Printer* printer) { m_printer = printer; }
    /// The printer's scale correction the sheets report.
    void setFactors(const ScaleFactors& factors) { m_factors = factors; }
    /// Runs during the job's round of events, as a click the window handles then.
    void duringEvents(std::function<void()> action) { m_duringEvents = std::move(action); }

    JobSheets sheets() override;
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override;

    int dialogs() const { return m_dialogs; }
    int eventRounds() const { return m_eventRounds; }
    /// The status line as the window would have painted it during the one round of events.
    const QString& statusAtEvents() const { return m_statusAtEvents; }
    quint32 colourAtEvents() const { return m_colourAtEvents; }
    const std::vector<SizeText>& focus() const { return m_focus; }
    /// The last document handed out, or nullptr when none was.
    const Recording* surface() const { return m_recording ? &*m_recording : nullptr; }
    /// What the job asked of the sheets, one request per document opened.
    const std::vector<SheetRequest>& sheetRequests() const { return m_sheetRequests; }
    /// The page that was delivered to the printer; fails the test when there is none.
    const Page& deliveredPage() const;

private:
    bool selectPrinter();
    void processPendingEvents();

    SettingsModel& m_model;
    qint32 m_pageWidth;
    std::shared_ptr<const TextMetrics> m_metrics;
    bool m_cancel = false;
    std::optional<QString> m_selectionError;
    std::optional<int> m_failAtDrawing;
    Printer* m_printer = nullptr;
    ScaleFactors m_factors;
    std::function<void()> m_duringEvents;
    int m_dialogs = 0;
    int m_eventRounds = 0;
    QString m_statusAtEvents;
    quint32 m_colourAtEvents = 0;
    std::vector<SizeText> m_focus;
    std::optional<Recording> m_recording;
    std::vector<SheetRequest> m_sheetRequests;
};
