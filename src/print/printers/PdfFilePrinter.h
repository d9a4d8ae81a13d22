#pragma once

#include "print/printers/DevicePrinter.h"

#include <QPageSize>
#include <QString>

/// The built-in printer that writes the page to a PDF file, on the paper of the user's locale
/// until another is chosen. Asks the print system nothing. The print dialog's own print-to-file
/// entry has the same name: to the program they are one printer.
class PdfFilePrinter : public DevicePrinter {
public:
    static constexpr auto kDeviceName = "Print to File (PDF)";

    QString deviceName() const override;
    QString driverName() const override;
    QString port() const override;

    /// A file has no sides: always simplex, and setting it changes nothing.
    Duplex duplex() const override { return Duplex::Simplex; }
    void setDuplex(Duplex) override { }

    /// The file of the next document; an empty name goes back to the default file.
    void setOutputFileName(const QString& fileName) override;
    QString outputFileName() const;
    /// "vennaros.pdf" in the user's documents folder (the home folder when there is none).
    static QString defaultOutputFileName();
    /// Letter where the locale measures in US units, A4 elsewhere.
    static QPageSize::PageSizeId localePageSize();

    /// One file, one copy, whatever the dialog asked for. A file that is not a regular one (a
    /// folder, pipe or device) is refused before anything is drawn; the file appears, or is
    /// replaced, only once the document is complete.
    void printSheets(const std::vector<Page>& sheets) override;

protected:
    QPageSize defaultPaperSize() const override;

private:
    QString m_fileName;
};
