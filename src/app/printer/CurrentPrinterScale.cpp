#include "app/printer/CurrentPrinterScale.h"

#include "print/dialog/PrinterSelection.h"
#include "print/printers/Printer.h"
#include "print/printers/QueueJobFollower.h"

CurrentPrinterScale::CurrentPrinterScale(
    PrinterSystem& printers, PrinterSelection& selection, PrinterScales& scales, QueueJobFollower* follower)
    : m_printers(printers)
    , m_selection(selection)
    , m_scales(scales)
    , m_follower(follower)
{ }

QString CurrentPrinterScale::printerName()
{
    return m_printers.current().deviceName();
}

CalibrationBars CurrentPrinterScale::bars()
{
    return CalibrationBars::of(m_printers.current().paper());
}

ScaleFactors CurrentPrinterScale::factors()
{
    return m_scales.factors(printerName());
}

std::optional<QString> CurrentPrinterScale::unusableFactors()
{
    return m_scales.unusable(printerName());
}

bool CurrentPrinterScale::printCalibrationPage()
{
    m_selection.SelectPrinter();
    if (m_selection.printCancelled())
        return false;
    Printer& printer = m_printers.current();
    printer.printSheets({ calibrationPage(printer.paper(), printer.deviceName()) });
    if (const std::optional<QueueJob> job = printer.lastJob(); job && m_follower != nullptr)
        m_follower->follow(*job);
    return true;
}

bool CurrentPrinterScale::keepFactors(const ScaleFactors& factors, QString& reason)
{
    return m_scales.keep(printerName(), factors, reason);
}
