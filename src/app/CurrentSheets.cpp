#include "app/CurrentSheets.h"

#include "print/surface/Printer.h"

SheetFormat currentSheetFormat(PrinterSystem& printers)
{
    return SheetFormat { printers.current().paper(), ScaleFactors() };
}
