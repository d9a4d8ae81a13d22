#pragma once

#include "print/page/PrintSurface.h"
#include "print/sheets/SheetFormat.h"
#include "settings/SettingsModel.h"

#include <memory>

/// What the main window offers a print job besides its settings: the printer selection, the sheets
/// of the current printer, one round of event processing, and the focus.
class JobHost {
public:
    virtual ~JobHost() = default;
    /// Shows the print dialog; afterwards printCancelled() tells how it ended. Throws
    /// RuntimeError when no printer can be offered at all.
    virtual void selectPrinter() = 0;
    virtual bool printCancelled() const = 0;
    /// The paper and scale correction of the current printer, which the job checks its strips
    /// against. Throws RuntimeError when the printer can't be read.
    virtual SheetFormat sheetFormat() = 0;
    /// A new document for the job's page (as wide as the request's paper); once ended, the page is
    /// laid out on sheets as requested and goes to the current printer.
    virtual std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) = 0;
    /// Lets the window repaint once (the status text) before printing starts.
    virtual void processPendingEvents() = 0;
    virtual void focusSizeText(SizeText which) = 0;
};
