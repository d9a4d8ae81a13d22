#pragma once

#include "print/printers/PdfFilePrinter.h"
#include "print/printers/Printer.h"
#include "print/printers/QueuePrinter.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

/// The installed print queues, by name, in the system's order, and the system's default queue.
struct QueueListing {
    QStringList names;
    QString defaultName;
};

/// The printers of this machine: the installed queues, then the built-in PDF printer. Nothing is
/// asked of the print system until the printers or the current printer are first needed; the
/// current printer then starts as the system's default (the PDF printer when no queue is installed
/// or the print server is down) and stays current across jobs.
class QtPrinterSystem : public PrinterSystem {
public:
    using QueueLister = std::function<QueueListing()>;

    /// lister tells which queues are installed; by default the system's print server is asked.
    /// It is called first when the printers or the current printer are needed.
    explicit QtPrinterSystem(QueueLister lister = installedQueues);
    ~QtPrinterSystem() override;

    static QueueListing installedQueues();

    /// Asks for the installed queues again, so a queue added while the program runs can be chosen.
    std::vector<Printer*> printers() override;
    Printer& current() override;
    /// Only a printer of this system can become current (RuntimeError 380 otherwise).
    void setCurrent(Printer& printer) override;
    /// The print dialog offers only installed queues and the PDF printer: another name it answers
    /// is a queue removed since the dialog listed it, when the print server says it has none such.
    bool wasRemoved(const QString& deviceName) override;
    /// Asks the print server.
    QueueJobStatus jobStatus(const QueueJob& job) override;

    PdfFilePrinter& pdfPrinter() { return m_pdf; }

private:
    QueuePrinter& queue(const QString& name);
    bool owns(const Printer& printer) const;
    /// The system's default printer, chosen when the current printer is first needed.
    Printer& startingPrinter();

    QueueLister m_lister;
    QStringList m_listed; // the queues installed when last asked
    // Every queue ever listed stays here, so a pointer handed out never dangles, even after its
    // queue was removed.
    std::vector<std::unique_ptr<QueuePrinter>> m_queues;
    PdfFilePrinter m_pdf;
    Printer* m_current = nullptr;
};
