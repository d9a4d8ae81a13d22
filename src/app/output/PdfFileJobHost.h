#pragma once

#include "print/job/JobHost.h"
#include "print/printers/PdfFilePrinter.h"

#include <QPageSize>
#include <QString>
#include <optional>

/// The command line's host of a print job: no dialog and no window; the page goes to a file on the
/// built-in PDF printer, so it is written as the window's PDF files are, and only when the job
/// ends it.
class PdfFileJobHost : public JobHost {
public:
    /// paper: nothing for the printer's own. Throws RuntimeError 380 for a size that has no usable
    /// definition.
    PdfFileJobHost(const QString& path, PageOrientation orientation, const std::optional<QPageSize>& paper);

    void selectPrinter() override { }
    bool printCancelled() const override { return false; }
    /// The printer's paper, uncorrected: the file is printed elsewhere, on a printer not known here.
    SheetFormat sheetFormat() override;
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override;
    void processPendingEvents() override { }
    void focusSizeText(SizeText) override { }

    bool written() const { return m_written; }
    /// Why the file could not be written, when it could not.
    const QString& writeError() const { return m_writeError; }

private:
    PdfFilePrinter m_printer;
    bool m_written = false;
    QString m_writeError;
};
