#pragma once

#include "print/sheets/SheetFormat.h"

class PrinterScales;
class PrinterSystem;

/// The sheets the window's jobs print on: the current printer's paper and the scale correction kept
/// for it. The print buttons and the preview both ask here, so that a preview shows what would be
/// printed, corrected as it would be. Throws as PrinterSystem::current() does when there is no
/// printer.
SheetFormat currentSheetFormat(PrinterSystem& printers, PrinterScales& scales);
