// The worst page the program prints (three circle sets, both styles, 1-degree marks, the longest
// strip that fits A4 landscape) drawn on the recording surface and rendered to a PDF file, and the
// time from start to the window shown.
#include "app/WindowController.h"
#include "app/frmMain.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/dialog/PrintDialogBackend.h"
#include "print/sheets/SheetLayout.h"
#include "print/surface/PdfFilePrinter.h"
#include "print/surface/RecordingSurface.h"
#include "settings/QtSettingsStore.h"
#include "settings/SettingsFilePrompts.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr qint32 kA4LandscapeTwips = 16838;

void worstPageSettings(SettingsModel& model)
{
    model.setOption(Option::OneDeg, true);
    model.setCheck(Check::WB, SettingsModel::kChecked);
    model.setCheck(Check::BW, SettingsModel::kChecked);
    model.setOption(Option::Altmm, true);
    model.setOption(Option::AltLen, true);
    model.setText(SizeText::Altitude, QStringLiteral("282"));
    for (int set = 1; set <= kCircleSets; ++set)
        model.setSetCheck(set, SettingsModel::kChecked);
}

/// Hands out the page of one printer and never asks anything.
class BenchmarkHost : public JobHost {
public:
    std::function<std::unique_ptr<PrintSurface>(const SheetRequest&)> open;
    qint32 width = kA4LandscapeTwips;
    void selectPrinter() override { }
    bool printCancelled() const override { return false; }
    SheetFormat sheetFormat() override
    {
        SheetFormat format;
        format.paper.width = width;
        return format;
    }
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override { return open(request); }
    void processPendingEvents() override { }
    void focusSizeText(SizeText) override { }
};

void WorstPageRecorded(benchmark::State& state)
{
    SettingsModel model;
    worstPageSettings(model);
    const auto metrics = std::make_shared<FontTextMetrics>();
    BenchmarkHost host;
    host.open
        = [&](const SheetRequest&) { return std::make_unique<RecordingSurface>(kA4LandscapeTwips, metrics); };
    for (auto _ : state)
        benchmark::DoNotOptimize(AltitudePrintJob(model, host).run());
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}
BENCHMARK(WorstPageRecorded)->Unit(benchmark::kMillisecond);

void WorstPageToPdf(benchmark::State& state)
{
    SettingsModel model;
    worstPageSettings(model);
    QTemporaryDir dir;
    PdfFilePrinter printer;
    printer.setOrientation(PageOrientation::Landscape);
    const QString file = dir.filePath(QStringLiteral("worst.pdf"));
    printer.setOutputFileName(file);
    BenchmarkHost host;
    host.open = [&](const SheetRequest& request) {
        return openSheetDocument(
            request, [&](const std::vector<Page>& sheets) { printer.printSheets(sheets); });
    };
    for (auto _ : state)
        AltitudePrintJob(model, host).run();
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
    state.counters["status_ok"] = model.status().text().isEmpty() ? 1 : 0;
}
BENCHMARK(WorstPageToPdf)->Unit(benchmark::kMillisecond);

class NoPrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup&) override { return std::nullopt; }
    bool confirmOverwrite(const QString&, const QString&) override { return false; }
    void showError(const QString&, const QString&) override { }
};

class NoDialog : public PrintDialogBackend {
public:
    std::optional<PrintDialogAnswer> exec(const PrintDialogRequest&) override { return std::nullopt; }
};

class NoPrinters : public PrinterSystem {
public:
    std::vector<Printer*> printers() override { return {}; }
    Printer& current() override { return m_pdf; }
    void setCurrent(Printer&) override { }

private:
    PdfFilePrinter m_pdf;
};

void WindowShown(benchmark::State& state)
{
    QTemporaryDir dir;
    NoPrompts prompts;
    NoDialog dialog;
    NoPrinters printers;
    for (auto _ : state) {
        SettingsModel model;
        QtSettingsStore store(dir.filePath(QStringLiteral("Vennaros.ini")));
        frmMain window(model);
        WindowController controller(window, { store, printers, dialog, prompts });
        controller.start();
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(WindowShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
