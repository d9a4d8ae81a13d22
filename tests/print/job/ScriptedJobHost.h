#pragma once

#include "print/job/JobHost.h"
#include "print/surface/Printer.h"
#include "print/surface/RecordingSurface.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

/// A print surface for tests that records into a RecordingSurface the test keeps, and can be told
/// to fail at its n-th drawing call (line or print), as a printer that breaks mid-page would.
class ScriptedSurface : public PrintSurface {
public:
    ScriptedSurface(std::shared_ptr<RecordingSurface> recorder, std::optional<int> failAtDrawing);

    qint32 width() override;
    void setJobStart(qint16 setting) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    float currentX() const override;
    float currentY() const override;
    void setForeColor(Rgb colour) override;
    void setDrawWidth(qint16 dots) override;
    void setFontName(const QString& name) override;
    void setFontSize(float points) override;
    float textWidth(const QString& text) override;
    float textHeight(const QString& text) override;
    void print(const QString& text) override;
    void print(qint16 number) override;
    void line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour) override;
    void endDoc() override;
    void killDoc() override;

private:
    void drawing();

    std::shared_ptr<RecordingSurface> m_recorder;
    std::optional<int> m_failAtDrawing;
    int m_drawings = 0;
};

/// The window's side of a print job, scripted: the dialog is accepted or cancelled or throws, the
/// page is a recording of a chosen width, and every request of the job is counted.
class ScriptedJobHost : public JobHost {
public:
    ScriptedJobHost(const SettingsModel& model, qint32 pageWidth);

    void setMetrics(std::shared_ptr<const TextMetrics> metrics) { m_metrics = std::move(metrics); }
    void cancelDialog() { m_cancel = true; }
    void failSelection(const QString& description) { m_selectionError = description; }
    void failAtDrawing(int n) { m_failAtDrawing = n; }
    /// Documents go to this printer instead of a recording.
    void usePrinter(Printer* printer) { m_printer = printer; }

    void selectPrinter() override;
    bool printCancelled() const override { return m_cancel; }
    std::unique_ptr<PrintSurface> openSurface() override;
    void processPendingEvents() override;
    void focusSizeText(SizeText which) override { m_focus.push_back(which); }

    int dialogs() const { return m_dialogs; }
    int eventRounds() const { return m_eventRounds; }
    /// The status line as the window would have painted it during the one round of events.
    const QString& statusAtEvents() const { return m_statusAtEvents; }
    quint32 colourAtEvents() const { return m_colourAtEvents; }
    const std::vector<SizeText>& focus() const { return m_focus; }
    /// The recording of the last document handed out, or nullptr.
    const RecordingSurface* surface() const { return m_recorder.get(); }
    /// The page that was delivered to the printer; fails the test when there is none.
    const Page& deliveredPage() const;

private:
    const SettingsModel& m_model;
    qint32 m_pageWidth;
    std::shared_ptr<const TextMetrics> m_metrics;
    bool m_cancel = false;
    std::optional<QString> m_selectionError;
    std::optional<int> m_failAtDrawing;
    int m_dialogs = 0;
    int m_eventRounds = 0;
    QString m_statusAtEvents;
    quint32 m_colourAtEvents = 0;
    std::vector<SizeText> m_focus;
    std::shared_ptr<RecordingSurface> m_recorder;
    Printer* m_printer = nullptr;
};
