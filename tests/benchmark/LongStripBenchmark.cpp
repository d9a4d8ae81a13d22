// The worst page set of split strips: a 2 m altitude strip with 1-degree marks in three circle sets
// and both styles, split over A4 portrait sheets and written to one PDF file; the same strip whole as
// an SVG and a DXF drawing, its texts as outlines.
#include "WorstPage.h"
#include "app/ExportFileJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/printers/PdfFilePrinter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

/// The PDF printer, counting the sheets of its last document.
class CountingPdfPrinter : public PdfFilePrinter {
public:
    void printSheets(const std::vector<Page>& sheets) override
    {
        m_sheets = sheets.size();
        PdfFilePrinter::printSheets(sheets);
    }
    std::size_t sheets() const { return m_sheets; }

private:
    std::size_t m_sheets = 0;
};

void longStripSettings(SettingsModel& model)
{
    model.setOption(Option::OneDeg, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    model.setOption(Option::Altmm, true);
    model.setOption(Option::AltLen, true);
    model.setText(SizeText::Altitude, QStringLiteral("2000"));
    model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    for (int set = 1; set <= kCircleSets; ++set)
        model.setSetCheck(set, SettingsModel::kChecked);
}

void LongStripSetToPdf(benchmark::State& state)
{
    SettingsModel model;
    longStripSettings(model);
    QTemporaryDir dir;
    CountingPdfPrinter printer;
    printer.setPaper(QPageSize(QPageSize::A4));
    const QString file = dir.filePath(QStringLiteral("long.pdf"));
    printer.setOutputFileName(file);
    PrinterJobHost host(printer);
    for (auto _ : state)
        AltitudePrintJob(model, host).run();
    state.counters["sheets"] = static_cast<double>(printer.sheets());
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}
BENCHMARK(LongStripSetToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void LongStripToDrawing(benchmark::State& state, DrawingFormat format, const char* name)
{
    SettingsModel model;
    longStripSettings(model);
    QTemporaryDir dir;
    const QString file = dir.filePath(QLatin1String(name));
    ExportFileJobHost host(file, format);
    for (auto _ : state)
        AltitudePrintJob(model, host).run();
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["written"] = host.written() ? 1 : 0;
}
BENCHMARK_CAPTURE(LongStripToDrawing, Svg, DrawingFormat::Svg, "long.svg")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LongStripToDrawing, Dxf, DrawingFormat::Dxf, "long.dxf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
