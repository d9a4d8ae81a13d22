#pragma once

#include "print/surface/RecordingSurface.h"

#include <memory>

class QPageLayout;
class QPrinter;

/// The page of a real printer (a queue or a PDF file), in twips. The page is recorded and only
/// drawn on the printer when the document is ended: printers can't take a started document back,
/// so an abandoned or never-ended document must never reach them.
class PrinterSurface : public RecordingSurface {
public:
    /// Left and top edge of the printable area, in twips: a quarter inch, the border most laser
    /// and inkjet printers can't print on, unless the printer asks for more.
    static constexpr double kMarginTwips = 360.0;

    /// Takes over a configured printer; sets its margins and full-page mode.
    explicit PrinterSurface(std::unique_ptr<QPrinter> printer);
    ~PrinterSurface() override;

    /// Full paper width in twips as the paper size is defined (A4 11906, Letter 12240), across the
    /// paper as it is oriented.
    static qint32 paperWidth(const QPageLayout& layout);

protected:
    void deliver(const Page& page) override;

private:
    void checkOutputFile() const;

    std::unique_ptr<QPrinter> m_printer;
};
