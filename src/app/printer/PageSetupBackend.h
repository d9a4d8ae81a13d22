#pragma once

#include "app/printer/PrinterPapers.h"

#include <QString>
#include <optional>

class QWidget;

/// The desktop's page setup dialog for one printer, as the window sees it.
class PageSetupBackend {
public:
    virtual ~PageSetupBackend() = default;
    /// Shows the dialog on the printer's paper; the paper chosen, or nothing when it was cancelled.
    virtual std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) = 0;
};

/// Qt's QPageSetupDialog on a printer of that name (the PDF printer for the built-in one).
class QtPageSetupBackend : public PageSetupBackend {
public:
    explicit QtPageSetupBackend(QWidget* parent = nullptr);
    std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) override;

private:
    QWidget* m_parent;
};
