#pragma once

#include "print/job/JobHost.h"
#include "print/page/Page.h"

#include <vector>

class PrinterScales;
class PrinterSystem;

/// The preview's host of a print job: the current printer's sheets with its scale correction, the
/// window's events and focus, no print dialog, and the sheets of the ended page kept instead of
/// printed.
class PreviewJobHost : public JobHost {
public:
    PreviewJobHost(JobHost& window, PrinterSystem& printers, PrinterScales& scales);

    /// No dialog; fails as printing would when there is no printer whose paper to show.
    void selectPrinter() override;
    bool printCancelled() const override { return false; }
    SheetFormat sheetFormat() override;
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override;
    void processPendingEvents() override { m_window.processPendingEvents(); }
    void focusSizeText(SizeText which) override { m_window.focusSizeText(which); }

    /// Whether the job ended its page, and the sheets and paper it was laid out on.
    bool ended() const { return m_ended; }
    const std::vector<Page>& sheets() const { return m_sheets; }
    const PaperFormat& paper() const { return m_paper; }

private:
    JobHost& m_window;
    PrinterSystem& m_printers;
    PrinterScales& m_scales;
    bool m_ended = false;
    std::vector<Page> m_sheets;
    PaperFormat m_paper;
};
