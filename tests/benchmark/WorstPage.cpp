#include "WorstPage.h"

#include "print/sheets/SheetLayout.h"

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

JobSheets OnePrinterHost::sheets()
{
    return SheetFormat { m_printer.paper(), ScaleFactors() };
}

PagePosition runWithoutWindow(const PrintJob& job, SettingsModel& model, JobOutput& output)
{
    return runJob(job, { model.status(), nullptr, nullptr, nullptr }, output);
}

std::unique_ptr<PrintSurface> OnePrinterHost::open(const SheetRequest& request)
{
    return openSheetDocument(
        request, [this](const std::vector<Page>& sheets) { m_printer.printSheets(sheets); });
}
