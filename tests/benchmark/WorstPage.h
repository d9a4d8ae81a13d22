#pragma once

#include "print/job/JobHost.h"
#include "print/printers/Printer.h"

#include <functional>

/// The worst page the program prints: three circle sets, both styles, 1-degree marks, a 282 mm
/// altitude strip, the longest that fits A4 landscape's printable width.
void worstPageSettings(SettingsModel& model);

/// A job's host that hands the page to one printer and never asks anything, as the window does
/// once the printer is chosen.
class PrinterJobHost : public JobHost {
public:
    explicit PrinterJobHost(Printer& printer)
        : m_printer(printer)
    { }
    void selectPrinter() override { }
    bool printCancelled() const override { return false; }
    SheetFormat sheetFormat() override;
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override;
    void processPendingEvents() override { }
    void focusSizeText(SizeText) override { }

private:
    Printer& m_printer;
};
