#pragma once

#include "print/job/JobHost.h"

#include <QString>

/// The command line's host of a print job: no dialog and no window; the page goes to a PDF file on
/// the paper given, and is written only when the job ends it.
class PdfFileJobHost : public JobHost {
public:
    PdfFileJobHost(QString path, const PaperFormat& paper);

    void selectPrinter() override { }
    bool printCancelled() const override { return false; }
    SheetFormat sheetFormat() override;
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override;
    void processPendingEvents() override { }
    void focusSizeText(SizeText) override { }

    bool written() const { return m_written; }
    /// Why the file could not be written, when it could not.
    const QString& writeError() const { return m_writeError; }

private:
    QString m_path;
    PaperFormat m_paper;
    bool m_written = false;
    QString m_writeError;
};
