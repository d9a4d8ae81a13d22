#include "print/dialog/PrinterSelection.h"

#include "print/dialog/clsPrintDialog.h"

PrinterSelection::PrinterSelection(PrinterSystem& printers, PrintDialogBackend& dialog)
    : m_printers(printers)
    , m_dialog(dialog)
{ }

void PrinterSelection::SelectPrinter()
{
    qint16 mode = kPrintJobMode;
    ShowPrinterDialog(mode);
}

void PrinterSelection::ShowPrinterDialog(qint16& mode)
{
    clsPrintDialog dialog(m_printers, m_dialog);
    if (mode == kPrintJobMode)
        dialog.Flags = print_dialog_flags::kNoSelection | print_dialog_flags::kHidePrintToFile;
    dialog.setMin(1);
    dialog.setFromPage(1);
    dialog.setToPage(1);
    dialog.setMax(1);
    try {
        dialog.ShowPrinter();
    } catch (...) {
        // Nothing was chosen: a caller that reads the outcome anyway must not print.
        m_printCancelled = true;
        throw;
    }
    m_printCancelled = dialog.CancelError;
}
