#pragma once

#include "app/printer/PrinterScaleDialog.h"

class PrinterSelection;
class PrinterSystem;
class QueueJobFollower;

/// The printer-scale dialog's side of the window: the current printer of the machine, the print
/// dialog before the calibration page, and the factors in the settings store. A calibration page
/// sent to a print queue is followed as the window's pages are, when a follower is given.
class CurrentPrinterScale : public PrinterScaleHost {
public:
    CurrentPrinterScale(PrinterSystem& printers, PrinterSelection& selection, PrinterScales& scales,
        QueueJobFollower* follower = nullptr);

    QString printerName() override;
    CalibrationBars bars() override;
    ScaleFactors factors() override;
    std::optional<QString> unusableFactors() override;
    bool printCalibrationPage() override;
    bool keepFactors(const ScaleFactors& factors, QString& reason) override;

private:
    PrinterSystem& m_printers;
    PrinterSelection& m_selection;
    PrinterScales& m_scales;
    QueueJobFollower* m_follower;
};
