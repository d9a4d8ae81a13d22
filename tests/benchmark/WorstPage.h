#pragma once

#include "app/output/JobRun.h"
#include "print/printers/Printer.h"

#include <functional>

/// The worst page the program prints: three circle sets, both styles, 1-degree marks, a 282 mm
/// altitude strip, the longest that fits A4 landscape's printable width.
void worstPageSettings(SettingsModel& model);

/// A job's output that hands the page to one printer, as the window's does once the printer is
/// chosen.
class OnePrinterHost : public JobOutput {
public:
    explicit OnePrinterHost(Printer& printer)
        : m_printer(printer)
    { }
    JobSheets sheets() override;
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override;

private:
    Printer& m_printer;
};

/// Runs the job on the output without dialog or window; reports go to the model's status line.
PagePosition runWithoutWindow(const PrintJob& job, SettingsModel& model, JobOutput& output);
