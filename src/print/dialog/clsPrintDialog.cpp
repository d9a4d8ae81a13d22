#include "print/dialog/clsPrintDialog.h"

#include "common/RuntimeError.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// A printer that refuses a setting keeps what it had; the next setting is still made.
template <typename Setting> void ignoringErrors(Setting setting)
{
    try {
        setting();
    } catch (const std::exception&) { }
}

} // namespace

clsPrintDialog::clsPrintDialog(PrinterSystem& printers, PrintDialogBackend& dialog)
    : m_printers(printers)
    , m_dialog(dialog)
{ }

void clsPrintDialog::let(PageNumber which, qint16 intNewValue)
{
    const qint16 v = std::max(intNewValue, qint16(0));
    m_pages[which] = v;
    for (std::size_t above = which + 1; above < m_pages.size(); ++above)
        m_pages[above] = std::max(m_pages[above], v);
    for (std::size_t below = 0; below < which; ++below)
        m_pages[below] = std::min(m_pages[below], v);
}

PrintDialogRequest clsPrintDialog::request()
{
    PrintDialogRequest request;
    request.flags = Flags;
    request.fromPage = m_pages[kFrom];
    request.toPage = m_pages[kTo];
    request.minPage = m_pages[kMin];
    request.maxPage = m_pages[kMax];

    Printer& printer = m_printers.current();
    request.deviceName = printer.deviceName();
    request.orientation = printer.orientation();
    ignoringErrors([&] { request.duplex = printer.duplex(); }); // unreadable: unknown
    ignoringErrors([&] { request.paperSize = printer.paper().size; }); // unreadable: the dialog's own
    request.driverName = printer.driverName();
    request.port = printer.port();
    return request;
}

bool clsPrintDialog::ShowPrinter()
{
    const PrintDialogRequest sent = request();
    std::optional<PrintDialogAnswer> answer;
    try {
        answer = m_dialog.exec(sent);
    } catch (...) {
        // A dialog that fails is a cancel, never the end of the program.
    }

    if (answer) {
        Flags = answer->flags;
        m_pages[kFrom] = answer->fromPage;
        m_pages[kTo] = answer->toPage;
        applyChoice(*answer);
        return true;
    }
    if (CancelError)
        throw RuntimeError(kCancelErrorNumber, QStringLiteral("Cancel."), QStringLiteral("Quor PrintDialog"));
    CancelError = true;
    return false;
}

void clsPrintDialog::applyChoice(const PrintDialogAnswer& answer)
{
    const QString chosenName = answer.deviceName.toUpper();
    if (chosenName != m_printers.current().deviceName()) {
        // Every match becomes current: of printers whose names differ only in case, the last wins.
        bool matched = false;
        for (Printer* candidate : m_printers.printers()) {
            if (candidate->deviceName().toUpper() == chosenName) {
                m_printers.setCurrent(*candidate);
                matched = true;
            }
        }
        // The current printer stands in for a name that is merely unknown, never for a queue
        // that was chosen and then removed: the page would come out elsewhere without a word.
        if (!matched && m_printers.wasRemoved(answer.deviceName))
            throw RuntimeError(kPrinterRemovedNumber,
                QCoreApplication::translate("PrintJob", "The printer \"%1\" is no longer installed")
                    .arg(answer.deviceName));
    }

    Printer& current = m_printers.current();
    ignoringErrors([&] { current.setCopies(answer.copies); });
    // An unknown duplex is one no printer takes: the printer keeps its own.
    if (answer.duplex)
        ignoringErrors([&] { current.setDuplex(*answer.duplex); });
    ignoringErrors([&] { current.setOrientation(answer.orientation); });
    if (answer.paperSize)
        ignoringErrors([&] { current.setPaper(*answer.paperSize); });
    if (!answer.outputFileName.isEmpty())
        current.setOutputFileName(answer.outputFileName);
}
