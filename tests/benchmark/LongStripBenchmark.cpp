// The worst page set of split strips: a 2 m altitude strip with 1-degree marks in three circle sets
// and both styles, split over A4 portrait sheets and written to one PDF file.
#include "print/altitude/AltitudePrintJob.h"
#include "print/sheets/SheetLayout.h"
#include "print/surface/PdfFilePrinter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

/// Prints on the PDF printer with the page options asked for and never asks anything.
class LongStripHost : public JobHost {
public:
    explicit LongStripHost(PdfFilePrinter& printer)
        : m_printer(printer)
    { }
    void selectPrinter() override { }
    bool printCancelled() const override { return false; }
    SheetFormat sheetFormat() override { return SheetFormat { m_printer.paper(), ScaleFactors() }; }
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override
    {
        return openSheetDocument(request, [this](const std::vector<Page>& sheets) {
            m_sheets = sheets.size();
            m_printer.printSheets(sheets);
        });
    }
    void processPendingEvents() override { }
    void focusSizeText(SizeText) override { }

    std::size_t sheets() const { return m_sheets; }

private:
    PdfFilePrinter& m_printer;
    std::size_t m_sheets = 0;
};

void LongStripSetToPdf(benchmark::State& state)
{
    SettingsModel model;
    model.setOption(Option::OneDeg, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    model.setOption(Option::Altmm, true);
    model.setOption(Option::AltLen, true);
    model.setText(SizeText::Altitude, QStringLiteral("2000"));
    model.setCheck(Check::SplitLong, SettingsModel::kChecked);
    for (int set = 1; set <= kCircleSets; ++set)
        model.setSetCheck(set, SettingsModel::kChecked);
    QTemporaryDir dir;
    PdfFilePrinter printer;
    const QString file = dir.filePath(QStringLiteral("long.pdf"));
    printer.setOutputFileName(file);
    LongStripHost host(printer);
    for (auto _ : state)
        AltitudePrintJob(model, host).run();
    state.counters["sheets"] = static_cast<double>(host.sheets());
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}
BENCHMARK(LongStripSetToPdf)->Unit(benchmark::kMillisecond);

} // namespace
