#include "print/surface/QtPrinterSystem.h"

#include "common/RuntimeError.h"

#include <QPrinterInfo>

QtPrinterSystem::QtPrinterSystem(QueueLister lister)
    : m_lister(std::move(lister))
{
    const QueueListing listing = m_lister ? m_lister() : QueueListing();
    for (const QString& name : listing.names)
        queue(name);
    if (listing.names.contains(listing.defaultName))
        m_current = &queue(listing.defaultName);
    else if (!m_queues.empty())
        m_current = m_queues.front().get();
    else
        m_current = &m_pdf;
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
    std::vector<Printer*> result;
    const QueueListing listing = m_lister ? m_lister() : QueueListing();
    for (const QString& name : listing.names)
        result.push_back(&queue(name));
    result.push_back(&m_pdf);
    return result;
}

Printer& QtPrinterSystem::current()
{
    return *m_current;
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
