#pragma once

#include "common/PrinterError.h"
#include "print/dialog/PrintDialogBackend.h"
#include "print/printers/Printer.h"

#include <QtGlobal>
#include <array>

/// One printer selection: the flag word and page range for the print dialog, and ShowPrinter,
/// which shows it and makes the chosen printer current with the chosen copies, duplex,
/// orientation and paper. Page numbers are 16-bit, never below 0, kept in the order
/// minimum <= from-page <= to-page <= maximum by every Let.
class clsPrintDialog {
public:
    static constexpr int kCancelErrorNumber = 32755;
    /// The printer chosen was removed while the dialog was open.
    static constexpr int kPrinterRemovedNumber = kPrinterErrorNumber;

    clsPrintDialog(PrinterSystem& printers, PrintDialogBackend& dialog);

    /// Given to the dialog; the dialog's flag word after a confirmed dialog.
    qint32 Flags = 0;
    /// True: a cancel raises RuntimeError 32755. A cancel that raises nothing sets it True.
    bool CancelError = false;

    qint16 Min() const { return m_pages[kMin]; }
    qint16 FromPage() const { return m_pages[kFrom]; }
    qint16 ToPage() const { return m_pages[kTo]; }
    qint16 Max() const { return m_pages[kMax]; }
    void setMin(qint16 intNewValue) { let(kMin, intNewValue); }
    void setFromPage(qint16 intNewValue) { let(kFrom, intNewValue); }
    void setToPage(qint16 intNewValue) { let(kTo, intNewValue); }
    void setMax(qint16 intNewValue) { let(kMax, intNewValue); }

    /// True when the user confirmed the dialog, false after a cancel (or a dialog that failed).
    /// Failures reading the current printer, walking the printers or handing the chosen file to
    /// the printer go to the caller, and so does a chosen printer that is no longer installed
    /// (RuntimeError 482).
    bool ShowPrinter();

private:
    // The page numbers in the order they are kept in.
    enum PageNumber : std::size_t { kMin, kFrom, kTo, kMax };

    /// Stores the value (0 for anything below 1) and moves the other numbers to keep the order.
    void let(PageNumber which, qint16 intNewValue);
    PrintDialogRequest request();
    void applyChoice(const PrintDialogAnswer& answer);

    PrinterSystem& m_printers;
    PrintDialogBackend& m_dialog;
    std::array<qint16, 4> m_pages {};
};
