#pragma once

#include "app/output/JobRun.h"
#include "print/printers/PdfFilePrinter.h"

#include <QPageSize>
#include <QString>
#include <optional>

/// The command line's print output: the page goes to a file on the built-in PDF printer, so it is
/// written as the window's PDF files are, and only when the job ends it.
class PdfFileJobHost : public JobOutput {
public:
    /// paper: nothing for the printer's own. Throws RuntimeError 380 for a size that has no usable
    /// definition.
    PdfFileJobHost(const QString& path, PageOrientation orientation, const std::optional<QPageSize>& paper);

    /// The printer's paper, uncorrected: the file is printed elsewhere, on a printer not known here.
    JobSheets sheets() override;
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override;

    bool written() const { return m_written; }
    /// Why the file could not be written, when it could not.
    const QString& writeError() const { return m_writeError; }
    /// The largest font size at which the written numbers would not touch, when they do; 0 when not.
    int numbersFit() const { return m_numbersFit; }

private:
    PdfFilePrinter m_printer;
    bool m_written = false;
    QString m_writeError;
    int m_numbersFit = 0;
};
