#pragma once

#include "app/output/JobRun.h"

class PrinterScales;
class PrinterSystem;
class QueueJobFollower;

/// The print buttons' output: the current printer's sheets with the scale correction kept for it;
/// the ended page goes to that printer, and a queue's job is followed.
class PrinterJobHost : public JobOutput {
public:
    PrinterJobHost(PrinterSystem& printers, PrinterScales& scales, QueueJobFollower& queueJob);

    JobSheets sheets() override;
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override;

private:
    PrinterSystem& m_printers;
    PrinterScales& m_scales;
    QueueJobFollower& m_queueJob;
};
