#include "print/printers/QtPrinterSystem.h"

#include "common/RuntimeError.h"
#include "print/printers/CupsQueue.h"

#include <QPrinterInfo>

QtPrinterSystem::QtPrinterSystem(QueueLister lister)
    : m_lister(std::move(lister))
{ }

Printer& QtPrinterSystem::startingPrinter()
{
    const QueueListing listing = m_lister ? m_lister() : QueueListing();
    m_listed = listing.names;
    for (const QString& name : listing.names)
        queue(name);
    if (listing.names.contains(listing.defaultName))
        return queue(listing.defaultName);
    if (!listing.names.isEmpty())
        return queue(listing.names.front());
    return m_pdf;
}

QtPrinterSystem::~QtPrinterSystem() = default;

QueueListing QtPrinterSystem::installedQueues()
{
    QueueListing listing;
    listing.names = QPrinterInfo::availablePrinterNames();
    listing.defaultName = QPrinterInfo::defaultPrinterName();
    return listing;
}

QueuePrinter& QtPrinterSystem::queue(const QString& name)
{
    for (const auto& known : m_queues) {
        if (known->deviceName() == name)
            return *known;
    }
    m_queues.push_back(std::make_unique<QueuePrinter>(name));
    return *m_queues.back();
}

std::vector<Printer*> QtPrinterSystem::printers()
{
    if (m_current == nullptr)
        m_current = &startingPrinter();
    std::vector<Printer*> result;
    const QueueListing listing = m_lister ? m_lister() : QueueListing();
    m_listed = listing.names;
    for (const QString& name : listing.names)
        result.push_back(&queue(name));
    result.push_back(&m_pdf);
    return result;
}

Printer& QtPrinterSystem::current()
{
    if (m_current == nullptr)
        m_current = &startingPrinter();
    return *m_current;
}

bool QtPrinterSystem::wasRemoved(const QString& deviceName)
{
    // A server that can't be reached lists nothing, and has removed nothing.
    return deviceName != m_pdf.deviceName() && !m_listed.contains(deviceName, Qt::CaseInsensitive)
        && CupsQueue(deviceName).isUnknownToTheServer();
}

QueueJobStatus QtPrinterSystem::jobStatus(const QueueJob& job)
{
    return CupsQueue(job.queue).status(job.id);
}

bool QtPrinterSystem::owns(const Printer& printer) const
{
    if (&printer == &m_pdf)
        return true;
    for (const auto& known : m_queues) {
        if (known.get() == &printer)
            return true;
    }
    return false;
}

void QtPrinterSystem::setCurrent(Printer& printer)
{
    if (!owns(printer))
        throw RuntimeError::invalidPropertyValue();
    m_current = &printer;
}
