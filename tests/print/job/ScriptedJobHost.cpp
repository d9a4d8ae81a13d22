#include "ScriptedJobHost.h"

#include "common/RuntimeError.h"
#include "print/sheets/SheetLayout.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

namespace {

/// Records like any recording surface, fails where told, and leaves its recording behind.
class ScriptedSurface : public RecordingSurface {
public:
    ScriptedSurface(qint32 width, std::shared_ptr<const TextMetrics> metrics,
        std::optional<int> failAtDrawing, std::optional<Recording>& out)
        : RecordingSurface(width, std::move(metrics))
        , m_failAtDrawing(failAtDrawing)
        , m_out(out)
    {
        m_out = Recording();
    }
    ~ScriptedSurface() override { m_out = Recording { state(), page(), endedPages() }; }

    using RecordingSurface::print; // the number form prints through the text form
    void print(const QString& text) override
    {
        drawing();
        RecordingSurface::print(text);
    }
    void line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour) override
    {
        drawing();
        RecordingSurface::line(flags, x1, y1, dx, dy, colour);
    }

private:
    void drawing()
    {
        if (m_failAtDrawing && ++m_drawings >= *m_failAtDrawing)
            throw RuntimeError(482, QStringLiteral("Printer error"));
    }

    std::optional<int> m_failAtDrawing;
    int m_drawings = 0;
    std::optional<Recording>& m_out;
};

} // namespace

ScriptedJobHost::ScriptedJobHost(SettingsModel& model, qint32 pageWidth)
    : m_model(model)
    , m_pageWidth(pageWidth)
    , m_metrics(std::make_shared<FixedTextMetrics>())
{ }

PagePosition ScriptedJobHost::run(const PrintJob& job)
{
    return runJob(job,
        { m_model.status(), [this] { return selectPrinter(); }, [this] { processPendingEvents(); },
            [this](SizeText which) { m_focus.push_back(which); } },
        *this);
}

bool ScriptedJobHost::selectPrinter()
{
    ++m_dialogs;
    if (m_selectionError)
        throw RuntimeError(482, *m_selectionError);
    return !m_cancel;
}

JobSheets ScriptedJobHost::sheets()
{
    if (m_printer)
        return JobSheets::read([this] { return SheetFormat { m_printer->paper(), m_factors }; });
    SheetFormat format;
    format.paper.width = m_pageWidth;
    format.factors = m_factors;
    return format;
}

std::unique_ptr<PrintSurface> ScriptedJobHost::open(const SheetRequest& request)
{
    m_sheetRequests.push_back(request);
    if (m_printer) {
        Printer* printer = m_printer;
        return openSheetDocument(
            request, [printer](const std::vector<Page>& sheets) { printer->printSheets(sheets); });
    }
    return std::make_unique<ScriptedSurface>(m_pageWidth, m_metrics, m_failAtDrawing, m_recording);
}

void ScriptedJobHost::processPendingEvents()
{
    ++m_eventRounds;
    m_statusAtEvents = m_model.status().text();
    m_colourAtEvents = m_model.status().color();
    if (m_duringEvents)
        m_duringEvents();
}

const Page& ScriptedJobHost::deliveredPage() const
{
    static const Page none;
    if (!m_recording || m_recording->endedPages.size() != 1) {
        ADD_FAILURE() << "expected exactly one delivered page";
        return none;
    }
    return m_recording->endedPages.front();
}
