#pragma once

#include "print/dialog/GlobalMemory.h"
#include "print/dialog/PrintDialogBackend.h"
#include "print/surface/Printer.h"

#include <QtGlobal>

class DeviceModeRecord;

/// One printer selection: the flag word and page range for the print dialog, and ShowPrinter,
/// which shows it and makes the chosen printer current with the chosen copies, duplex and
/// orientation. Page numbers are 16-bit, never below 0, kept in the order
/// minimum <= from-page <= to-page <= maximum by every Let.
class clsPrintDialog {
public:
    static constexpr int kCancelErrorNumber = 32755;

    /// memory carries the device records to and from the dialog for this one selection.
    clsPrintDialog(PrinterSystem& printers, PrintDialogBackend& dialog, GlobalMemory& memory);

    /// Given to the dialog; the dialog's flag word after a confirmed dialog.
    qint32 Flags = 0;
    /// True: a cancel raises RuntimeError 32755. A cancel that raises nothing sets it True.
    bool CancelError = false;

    qint16 Min() const { return m_minimum; }
    qint16 FromPage() const { return m_fromPage; }
    qint16 ToPage() const { return m_toPage; }
    qint16 Max() const { return m_maximum; }
    void setMin(qint16 intNewValue);
    void setFromPage(qint16 intNewValue);
    void setToPage(qint16 intNewValue);
    void setMax(qint16 intNewValue);

    /// True when the user confirmed the dialog, false after a cancel (or a dialog that failed).
    /// Failures reading the current printer, walking the printers or handing the chosen file to
    /// the printer go to the caller; every memory block of the selection is freed whichever way
    /// it ends.
    bool ShowPrinter();

private:
    void applyChoice(const DeviceModeRecord& chosen, const QString& fullName, const QString& outputFileName);

    PrinterSystem& m_printers;
    PrintDialogBackend& m_dialog;
    GlobalMemory& m_memory;
    qint16 m_minimum = 0;
    qint16 m_maximum = 0;
    qint16 m_fromPage = 0;
    qint16 m_toPage = 0;
};
