#pragma once

#include "app/printer/PrinterPapers.h"

#include <QString>
#include <optional>

/// The desktop's page setup dialog for one printer, as the window sees it.
class PageSetupBackend {
public:
    virtual ~PageSetupBackend() = default;
    /// Shows the dialog on the printer's paper; the paper chosen, or nothing when it was cancelled.
    virtual std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) = 0;
};
