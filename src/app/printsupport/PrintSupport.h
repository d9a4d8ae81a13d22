#pragma once

#include "app/printer/PageSetupBackend.h"
#include "print/dialog/PrintDialogBackend.h"
#include "print/printers/Printer.h"

class QWidget;

/// The machine's printers and the desktop's print and page setup dialogs, as the print module
/// makes them. The module links the print system's libraries, which the program itself does not.
class PrintSupport {
public:
    virtual ~PrintSupport() = default;
    virtual PrinterSystem& printers() = 0;
    virtual PrintDialogBackend& printDialog() = 0;
    virtual PageSetupBackend& pageSetup() = 0;
};

/// The one function the print module exports: a new PrintSupport whose dialogs open over parent,
/// owned by the caller.
using PrintSupportFactory = PrintSupport* (*)(QWidget* parent);
inline constexpr char kPrintSupportFactory[] = "vennaros_print_support";
