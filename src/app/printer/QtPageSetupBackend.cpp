#include "app/printer/QtPageSetupBackend.h"

#include "print/printers/PdfFilePrinter.h"

#include <QPageSetupDialog>
#include <QPrinter>

QtPageSetupBackend::QtPageSetupBackend(QWidget* parent)
    : m_parent(parent)
{ }

std::optional<PaperChoice> QtPageSetupBackend::exec(const QString& deviceName, const PaperChoice& current)
{
    QPrinter printer;
    if (deviceName == QLatin1String(PdfFilePrinter::kDeviceName))
        printer.setOutputFormat(QPrinter::PdfFormat);
    else
        printer.setPrinterName(deviceName);
    printer.setPageSize(current.size);
    printer.setPageOrientation(
        current.orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(&printer, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QPageLayout layout = printer.pageLayout();
    return PaperChoice { layout.pageSize(),
        layout.orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                       : PageOrientation::Portrait };
}
