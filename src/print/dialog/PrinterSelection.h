#pragma once

#include "print/dialog/PrintDialogBackend.h"
#include "print/printers/Printer.h"

#include <QtGlobal>

/// The main window's side of choosing the printer before a print job: shows the print dialog on
/// the current printer and keeps whether the last selection was cancelled.
class PrinterSelection {
public:
    /// The one mode the print jobs use: no Selection choice, no Print to file box.
    static constexpr qint16 kPrintJobMode = 2;

    PrinterSelection(PrinterSystem& printers, PrintDialogBackend& dialog);

    /// Shows the dialog for a print job. Throws RuntimeError when no printer can be offered (no
    /// printer at all, or one that can't be read); printCancelled() is then true, so a caller that
    /// goes on anyway prints nothing.
    void SelectPrinter();
    /// mode 2 is the print job's dialog; any other mode shows the dialog with no flags.
    void ShowPrinterDialog(qint16& mode);
    /// How the last selection ended; false before the first.
    bool printCancelled() const { return m_printCancelled; }

private:
    PrinterSystem& m_printers;
    PrintDialogBackend& m_dialog;
    bool m_printCancelled = false;
};
