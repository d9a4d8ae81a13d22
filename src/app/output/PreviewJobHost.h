#pragma once

#include "app/output/JobRun.h"
#include "print/page/Page.h"

#include <vector>

class PrinterScales;
class PrinterSystem;

/// The preview's output of a print job: the current printer's sheets with its scale correction,
/// kept instead of printed.
class PreviewJobHost : public JobOutput {
public:
    PreviewJobHost(PrinterSystem& printers, PrinterScales& scales);

    JobSheets sheets() override;
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override;

    /// Whether the job ended its page, and the sheets and paper it was laid out on.
    bool ended() const { return m_ended; }
    const std::vector<Page>& endedSheets() const { return m_sheets; }
    const PaperFormat& paper() const { return m_paper; }

private:
    PrinterSystem& m_printers;
    PrinterScales& m_scales;
    bool m_ended = false;
    std::vector<Page> m_sheets;
    PaperFormat m_paper;
};
