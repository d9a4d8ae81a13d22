#include "print/dialog/QtPrintDialogBackend.h"

#include "print/printers/PdfFilePrinter.h"
#include "print/printers/Printer.h"
#include "print/printers/QtDuplex.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <limits>

namespace {

using namespace print_dialog_flags;

qint16 clampedInt16(int value)
{
    return qint16(qBound(0, value, int(std::numeric_limits<qint16>::max())));
}

QAbstractPrintDialog::PrintDialogOptions optionsFor(qint32 flags)
{
    // PrintToFile is the PDF entry of the printer list, which is a printer here, not the separate
    // print-to-file box that kHidePrintToFile hides; Qt's dialog has no such box.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile
        | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if (!(flags & kNoPageNums))
        options |= QAbstractPrintDialog::PrintPageRange;
    if (!(flags & kNoSelection))
        options |= QAbstractPrintDialog::PrintSelection;
    return options;
}

// The dialog's file box, where the PDF entry's file is typed.
QLineEdit* fileBox(QPrintDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
}

// Opened on a queue, the dialog fills its file box with a name of its own for the PDF entry; the
// PDF printer's file is proposed instead, as when it opens on the PDF printer.
void proposeFile(QPrintDialog& dialog, const QString& file)
{
    if (QLineEdit* box = fileBox(dialog))
        box->setText(file);
}

// The queue chosen in the dialog's list. Qt's printer keeps the queue it had when the chosen one
// has gone meanwhile; the chosen one is answered all the same, so it is not replaced unseen.
QString chosenQueue(QPrintDialog& dialog, const QPrinter& printer)
{
    const auto* list = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    if (list != nullptr && !list->currentText().isEmpty() && list->currentText() != printer.printerName()
        && list->currentIndex() < list->count() - 1)
        return list->currentText();
    return printer.printerName();
}

} // namespace

QtPrintDialogBackend::QtPrintDialogBackend(QWidget* parent)
    : m_parent(parent)
{ }

QString QtPrintDialogBackend::pdfPrinterName()
{
    return QString::fromLatin1(PdfFilePrinter::kDeviceName);
}

std::optional<PrintDialogAnswer> QtPrintDialogBackend::exec(const PrintDialogRequest& request)
{
    QPrinter printer;
    printer.setDocName(QStringLiteral("Vennaros"));
    const bool toPdf = request.deviceName == pdfPrinterName();
    // While it is built, the dialog takes its file from the printer (a bare folder when none is
    // set), selects its queue by the printer's name and switches the printer to that queue, the
    // system default when the name is none of its queues. It selects its PDF entry only when
    // shown, for a printer then set to PDF output.
    const QString proposedFile
        = m_lastOutputFileName.isEmpty() ? PdfFilePrinter::defaultOutputFileName() : m_lastOutputFileName;
    if (toPdf)
        printer.setOutputFileName(proposedFile);
    else
        printer.setPrinterName(request.deviceName);
    QPrintDialog dialog(&printer, m_parent);
    if (toPdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(proposedFile);
    }
    printer.setPageOrientation(
        request.orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (request.duplex) // unknown: the printer's own default
        printer.setDuplex(toQtDuplex(*request.duplex));
    if (request.paperSize) // unknown: the queue's own default paper
        printer.setPageSize(*request.paperSize);
    proposeFile(dialog, proposedFile);

    dialog.setOptions(optionsFor(request.flags));
    if (request.minPage <= request.maxPage)
        dialog.setMinMax(request.minPage, request.maxPage);
    if (request.fromPage <= request.toPage)
        printer.setFromTo(request.fromPage, request.toPage);
    if (request.flags & kPageNums)
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    else if ((request.flags & kSelection) && !(request.flags & kNoSelection))
        dialog.setPrintRange(QAbstractPrintDialog::Selection);

    // The paper is chosen in the dialog's properties. Left unopened they still hand Qt's default
    // paper to the printer in place of a size of the user's own: the printer then keeps its paper.
    bool propertiesOpened = false;
    auto* properties = dialog.findChild<QAbstractButton*>(QStringLiteral("properties"));
    if (properties != nullptr)
        QObject::connect(properties, &QAbstractButton::clicked, &dialog, [&] { propertiesOpened = true; });

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    PrintDialogAnswer answer;
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty()) {
        answer.deviceName = pdfPrinterName();
        // Opened on a queue that has gone, Qt falls back to this entry with a folder as the file:
        // that is no file, and the PDF printer keeps the one it has.
        const QString fileName = printer.outputFileName();
        if (!fileName.isEmpty() && !fileName.endsWith(QLatin1Char('/')) && !QFileInfo(fileName).isDir()) {
            answer.outputFileName = fileName;
            m_lastOutputFileName = fileName;
        }
    } else {
        answer.deviceName = chosenQueue(dialog, printer);
    }
    answer.copies = clampedInt16(printer.copyCount());
    answer.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
        ? PageOrientation::Landscape
        : PageOrientation::Portrait;
    answer.duplex = fromQtDuplex(printer.duplex());
    if (properties == nullptr || propertiesOpened)
        answer.paperSize = printer.pageLayout().pageSize();

    answer.flags = request.flags & ~(kPageNums | kSelection);
    answer.fromPage = request.fromPage;
    answer.toPage = request.toPage;
    switch (printer.printRange()) {
    case QPrinter::PageRange:
        answer.flags |= kPageNums;
        answer.fromPage = clampedInt16(printer.fromPage());
        answer.toPage = clampedInt16(printer.toPage());
        break;
    case QPrinter::Selection:
        answer.flags |= kSelection;
        break;
    case QPrinter::AllPages:
    case QPrinter::CurrentPage:
        break;
    }
    return answer;
}
