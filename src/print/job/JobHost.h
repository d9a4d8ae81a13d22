#pragma once

#include "print/surface/PrintSurface.h"
#include "settings/SettingsModel.h"

#include <memory>

/// What the main window offers a print job besides its settings: the printer selection, the
/// current printer's page, one round of event processing, and the focus.
class JobHost {
public:
    virtual ~JobHost() = default;
    /// Shows the print dialog; afterwards printCancelled() tells how it ended. Throws
    /// RuntimeError when no printer can be offered at all.
    virtual void selectPrinter() = 0;
    virtual bool printCancelled() const = 0;
    /// A new document on the current printer.
    virtual std::unique_ptr<PrintSurface> openSurface() = 0;
    /// Lets the window repaint once (the status text) before printing starts.
    virtual void processPendingEvents() = 0;
    virtual void focusSizeText(SizeText which) = 0;
};
