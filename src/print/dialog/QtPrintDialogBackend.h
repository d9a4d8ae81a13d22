#pragma once

#include "print/dialog/PrintDialogBackend.h"

#include <QString>

class QWidget;

/// The print dialog of the desktop: Qt's QPrintDialog on a QPrinter set up from the request. Its
/// own "Print to File (PDF)" entry and the program's printer of that name are one printer.
class QtPrintDialogBackend : public PrintDialogBackend {
public:
    /// parent only places the dialog; nullptr opens it on its own.
    explicit QtPrintDialogBackend(QWidget* parent = nullptr);

    std::optional<PrintDialogAnswer> exec(const PrintDialogRequest& request) override;

    /// The DeviceName of the printer that writes PDF files.
    static QString pdfPrinterName();

private:
    QWidget* m_parent;
    /// The file chosen for the PDF printer last time, offered again next time (the PDF printer's
    /// default file before the first).
    QString m_lastOutputFileName;
};
