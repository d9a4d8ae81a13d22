#include "support/ScriptedPrinters.h"

#include "common/RuntimeError.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr int kPrinterErrorNumber = 482;
constexpr int kNoPrinterErrorNumber = 484;

} // namespace

ScriptedPrinter::ScriptedPrinter(QString deviceName, QString driverName, QString port)
    : m_deviceName(std::move(deviceName))
    , m_driverName(std::move(driverName))
    , m_port(std::move(port))
{ }

void ScriptedPrinter::setFailing(Property property, bool failing)
{
    if (failing)
        m_failing.insert(property);
    else
        m_failing.erase(property);
}

void ScriptedPrinter::check(Property property) const
{
    if (m_failing.count(property) != 0)
        throw RuntimeError(kPrinterErrorNumber, QStringLiteral("Printer error"));
}

QString ScriptedPrinter::deviceName() const
{
    check(Property::DeviceName);
    return m_deviceName;
}

QString ScriptedPrinter::driverName() const
{
    check(Property::DriverName);
    return m_driverName;
}

QString ScriptedPrinter::port() const
{
    check(Property::Port);
    return m_port;
}

PageOrientation ScriptedPrinter::orientation() const
{
    check(Property::Orientation);
    return m_orientation;
}

void ScriptedPrinter::setOrientation(PageOrientation orientation)
{
    m_settingsLog << QStringLiteral("Orientation=")
            + QLatin1String(orientation == PageOrientation::Landscape ? "Landscape" : "Portrait");
    check(Property::Orientation);
    m_orientation = orientation;
}

Duplex ScriptedPrinter::duplex() const
{
    check(Property::Duplex);
    return m_duplex;
}

void ScriptedPrinter::setDuplex(Duplex duplex)
{
    const char* const names[] = { "Simplex", "LongEdge", "ShortEdge" };
    m_settingsLog << QStringLiteral("Duplex=") + QLatin1String(names[static_cast<int>(duplex)]);
    check(Property::Duplex);
    m_duplex = duplex;
}

qint16 ScriptedPrinter::copies() const
{
    check(Property::Copies);
    return m_copies;
}

void ScriptedPrinter::setCopies(qint16 copies)
{
    m_settingsLog << QStringLiteral("Copies=%1").arg(copies);
    check(Property::Copies);
    m_copies = copies;
}

void ScriptedPrinter::setOutputFileName(const QString& fileName)
{
    m_settingsLog << QStringLiteral("OutputFileName=%1").arg(fileName);
    check(Property::OutputFileName);
}

PaperFormat ScriptedPrinter::paper() const
{
    check(Property::Surface);
    PaperFormat paper = PaperFormat::of(m_paperSize, m_orientation);
    if (m_pageWidth)
        paper.width = *m_pageWidth;
    return paper;
}

void ScriptedPrinter::setPaper(const QPageSize& size)
{
    m_settingsLog << QStringLiteral("Paper=") + size.key();
    check(Property::Paper);
    m_paperSize = size;
    m_pageWidth.reset();
}

void ScriptedPrinter::printSheets(const std::vector<Page>& sheets)
{
    check(Property::Surface);
    m_documents.push_back(sheets);
}

std::unique_ptr<PrintSurface> ScriptedPrinter::openSurface()
{
    return std::make_unique<RecordingSurface>(paper().width, std::make_shared<FixedTextMetrics>(),
        [this](const Page& page) { printSheets({ page }); });
}

ScriptedPrinter& ScriptedPrinterSystem::add(const QString& deviceName)
{
    m_printers.push_back(std::make_unique<ScriptedPrinter>(deviceName));
    if (m_current == nullptr)
        m_current = m_printers.back().get();
    return *m_printers.back();
}

void ScriptedPrinterSystem::remove(const QString& deviceName)
{
    for (auto it = m_printers.begin(); it != m_printers.end(); ++it) {
        if ((*it)->deviceName() == deviceName) {
            m_gone.push_back(std::move(*it));
            m_printers.erase(it);
            m_removed << deviceName;
            return;
        }
    }
}

std::vector<Printer*> ScriptedPrinterSystem::printers()
{
    if (m_listingFails)
        throw RuntimeError(kPrinterErrorNumber, QStringLiteral("Printer error"));
    std::vector<Printer*> list;
    for (const auto& printer : m_printers)
        list.push_back(printer.get());
    return list;
}

Printer& ScriptedPrinterSystem::current()
{
    if (m_current == nullptr)
        throw RuntimeError(kNoPrinterErrorNumber, QStringLiteral("No printer is installed"));
    return *m_current;
}

void ScriptedPrinterSystem::setCurrent(Printer& printer)
{
    m_current = &printer;
    ++m_selections;
}

int ScriptedPrinterSystem::currentIndex() const
{
    for (std::size_t i = 0; i < m_printers.size(); ++i) {
        if (m_printers[i].get() == m_current)
            return int(i);
    }
    return -1;
}

void ScriptedPrintDialog::answerPages(qint32 flags, qint16 fromPage, qint16 toPage)
{
    m_pages = Pages { flags, fromPage, toPage };
}

std::optional<PrintDialogAnswer> ScriptedPrintDialog::exec(const PrintDialogRequest& request)
{
    m_requests.push_back(request);
    if (m_whileOpen)
        std::exchange(m_whileOpen, {})();
    if (m_failing)
        throw std::runtime_error("the print dialog could not be opened");
    if (m_script.empty())
        return std::nullopt;
    const std::optional<Choice> choice = m_script.front();
    m_script.pop_front();
    if (!choice)
        return std::nullopt;

    PrintDialogAnswer answer;
    answer.deviceName = choice->deviceName;
    answer.copies = choice->copies;
    answer.orientation = choice->asOpened ? request.orientation : choice->orientation;
    answer.duplex = choice->asOpened ? request.duplex : choice->duplex;
    answer.outputFileName = choice->outputFileName;
    answer.flags = m_pages ? m_pages->flags : request.flags;
    answer.fromPage = m_pages ? m_pages->fromPage : request.fromPage;
    answer.toPage = m_pages ? m_pages->toPage : request.toPage;
    answer.paperSize = m_paper;
    m_pages.reset();
    m_paper.reset();
    return answer;
}
