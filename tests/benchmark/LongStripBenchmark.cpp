// The worst page sets of split pieces, written to one PDF file on A4 portrait sheets: a 2 m altitude
// strip and a 600 mm azimuth ring in sectors, each with 1-degree marks in three circle sets and both
// styles; the same strip whole as an SVG and a DXF drawing, its texts as outlines or as single strokes.
#include "WorstPage.h"
#include "app/output/ExportFileJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
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

/// Every circle set in both styles with 1-degree marks, split, printed by the job on A4 sheets.
template <typename Job> void printSetToPdf(benchmark::State& state, SettingsModel& model)
{
    model.setOption(Option::OneDeg, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    for (int set = 1; set <= kCircleSets; ++set)
        model.setSetCheck(set, SettingsModel::kChecked);
    QTemporaryDir dir;
    CountingPdfPrinter printer;
    printer.setPaper(QPageSize(QPageSize::A4));
    const QString file = dir.filePath(QStringLiteral("pieces.pdf"));
    printer.setOutputFileName(file);
    OnePrinterHost host(printer);
    for (auto _ : state)
        runWithoutWindow(Job(model), model, host);
    state.counters["sheets"] = static_cast<double>(printer.sheets());
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}

void LongStripSetToPdf(benchmark::State& state)
{
    SettingsModel model;
    model.setOption(Option::Altmm, true);
    model.setOption(Option::AltLen, true);
    model.setText(SizeText::Altitude, QStringLiteral("2000"));
    printSetToPdf<AltitudePrintJob>(state, model);
}
BENCHMARK(LongStripSetToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void RingSetToPdf(benchmark::State& state)
{
    SettingsModel model;
    model.setOption(Option::Azmm, true);
    model.setText(SizeText::Azimuth, QStringLiteral("600"));
    model.setCheck(Check::Rings, SettingsModel::kChecked);
    printSetToPdf<AzimuthPrintJob>(state, model);
}
BENCHMARK(RingSetToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same strip and ring as arcs: a quarter of the strip, a third of the ring, never slower than
// the whole circle they are cut from.
void LongStripArcToPdf(benchmark::State& state)
{
    SettingsModel model;
    model.setOption(Option::Altmm, true);
    model.setOption(Option::AltLen, true);
    model.setText(SizeText::Altitude, QStringLiteral("2000"));
    model.setText(SizeText::ArcFrom, QStringLiteral("0"));
    model.setText(SizeText::ArcTo, QStringLiteral("90"));
    printSetToPdf<AltitudePrintJob>(state, model);
}
BENCHMARK(LongStripArcToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void RingArcToPdf(benchmark::State& state)
{
    SettingsModel model;
    model.setOption(Option::Azmm, true);
    model.setText(SizeText::Azimuth, QStringLiteral("600"));
    model.setCheck(Check::Rings, SettingsModel::kChecked);
    model.setText(SizeText::ArcFrom, QStringLiteral("0"));
    model.setText(SizeText::ArcTo, QStringLiteral("120"));
    printSetToPdf<AzimuthPrintJob>(state, model);
}
BENCHMARK(RingArcToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void LongStripToDrawing(benchmark::State& state, DrawingFormat format, const char* name,
    DrawingStyle style = DrawingStyle::Filled)
{
    SettingsModel model;
    model.setOption(Option::OneDeg, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    for (int set = 1; set <= kCircleSets; ++set)
        model.setSetCheck(set, SettingsModel::kChecked);
    model.setOption(Option::Altmm, true);
    model.setOption(Option::AltLen, true);
    model.setText(SizeText::Altitude, QStringLiteral("2000"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QLatin1String(name));
    ExportFileJobHost host(file, format, style);
    for (auto _ : state)
        runWithoutWindow(AltitudePrintJob(model), model, host);
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["written"] = host.written() ? 1 : 0;
}
BENCHMARK_CAPTURE(LongStripToDrawing, Svg, DrawingFormat::Svg, "long.svg")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LongStripToDrawing, Dxf, DrawingFormat::Dxf, "long.dxf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LongStripToDrawing, SvgStrokes, DrawingFormat::Svg, "long.svg", DrawingStyle::Strokes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(LongStripToDrawing, DxfStrokes, DrawingFormat::Dxf, "long.dxf", DrawingStyle::Strokes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
