#include "app/output/CurrentSheets.h"

#include "print/printers/Printer.h"
#include "settings/PrinterScales.h"

SheetFormat currentSheetFormat(PrinterSystem& printers, PrinterScales& scales)
{
    Printer& printer = printers.current();
    return SheetFormat { printer.paper(), scales.factors(printer.deviceName()) };
}
