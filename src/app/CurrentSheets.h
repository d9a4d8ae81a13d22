#pragma once

#include "print/sheets/SheetFormat.h"

class PrinterSystem;

/// The sheets the window's jobs print on: the current printer's paper and its scale correction.
/// The print buttons and the preview both ask here, so that a preview shows what would be printed.
/// Throws as PrinterSystem::current() does when there is no printer.
SheetFormat currentSheetFormat(PrinterSystem& printers);
