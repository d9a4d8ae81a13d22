// The program's own road from start to a PDF file, without the window: starts, prints the worst
// page with the PDF printer of the printer system and exits.
//   worst_page_process OUTPUT.pdf
#include "WorstPage.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/printers/QtPrinterSystem.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    SettingsModel model;
    worstPageSettings(model);
    QtPrinterSystem printers;
    PdfFilePrinter& pdf = printers.pdfPrinter();
    pdf.setOrientation(PageOrientation::Landscape);
    pdf.setPaper(QPageSize(QPageSize::A4));
    pdf.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    OnePrinterHost host(pdf);
    runWithoutWindow(AltitudePrintJob(model), model, host);
    return model.status().text().isEmpty() ? 0 : 1;
}
