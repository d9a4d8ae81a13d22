#include "app/printer/CurrentPaper.h"

#include "app/printer/PageSetupBackend.h"
#include "common/RuntimeError.h"
#include "print/printers/Printer.h"
#include "settings/StatusLine.h"

CurrentPaper::CurrentPaper(PrinterSystem& printers, PrinterPapers papers, StatusLine& status,
    std::function<void(const QString&)> showLine)
    : m_printers(printers)
    , m_papers(papers)
    , m_status(status)
    , m_showLine(std::move(showLine))
{ }

void CurrentPaper::restore()
{
    try {
        Printer& printer = m_printers.current();
        if (m_restored.contains(printer.deviceName()))
            return;
        m_restored << printer.deviceName();
        if (const std::optional<PaperChoice> kept = m_papers.paper(printer.deviceName())) {
            printer.setOrientation(kept->orientation);
            printer.setPaper(kept->size);
        } else if (const std::optional<QString> why = m_papers.refusal(printer.deviceName())) {
            m_status.show(StatusLine::kErrorColor,
                tr("The paper kept for '%1' is not used: %2; it prints on the printer's own paper.")
                    .arg(printer.deviceName(), *why));
        }
    } catch (const std::exception&) {
        // No printer, or one that refuses the kept paper: the paper line shows what it has.
    }
}

void CurrentPaper::keep()
{
    try {
        Printer& printer = m_printers.current();
        const PaperFormat paper = printer.paper();
        m_restored << printer.deviceName();
        m_chosen << printer.deviceName();
        m_turned.removeAll(printer.deviceName());
        QString reason;
        if (!m_papers.keep(printer.deviceName(), PaperChoice { paper.size, paper.orientation }, reason))
            m_status.show(StatusLine::kErrorColor, tr("The paper could not be kept: ") + reason);
    } catch (const std::exception&) {
        // Nothing to keep; the paper line says so.
    }
    show();
}

void CurrentPaper::show()
{
    Printer* printer = nullptr;
    try {
        printer = &m_printers.current();
        const PaperFormat paper = printer->paper();
        const QString shown = PaperChoice { paper.size, paper.orientation }.shownText();
        m_showLine(m_turned.contains(printer->deviceName()) ? tr("%1, turned to fit").arg(shown) : shown);
    } catch (const std::exception&) {
        m_showLine(printer != nullptr ? tr("paper unknown") : tr("no printer"));
    }
}

bool CurrentPaper::setUp(PageSetupBackend& dialog)
{
    try {
        m_printers.current();
    } catch (const RuntimeError& error) {
        m_status.show(StatusLine::kErrorColor, tr("Cannot select a printer: ") + error.description());
        return false;
    }
    restore();
    const std::optional<Proposal> before = proposal();
    try {
        Printer& printer = m_printers.current();
        const PaperFormat paper = printer.paper();
        const std::optional<PaperChoice> chosen
            = dialog.exec(printer.deviceName(), PaperChoice { paper.size, paper.orientation });
        if (!chosen)
            return false;
        printer.setOrientation(chosen->orientation);
        printer.setPaper(chosen->size);
    } catch (const std::exception&) {
        // A paper the printer refuses leaves it with the one it had, which the paper line shows.
    }
    keep();
    const std::optional<Proposal> after = proposal();
    return !before || !after || before->paper != after->paper;
}

bool CurrentPaper::chosen(const QString& deviceName)
{
    return m_chosen.contains(deviceName) || m_papers.has(deviceName);
}

void CurrentPaper::turnToFit(const std::function<bool()>& fits)
{
    try {
        Printer& printer = m_printers.current();
        const QString name = printer.deviceName();
        if (chosen(name)) {
            m_turned.removeAll(name);
            return;
        }
        const PageOrientation own = m_own.value(name, printer.orientation());
        m_own.insert(name, own);
        try {
            printer.setOrientation(PageOrientation::Portrait);
            const bool portrait = fits();
            printer.setOrientation(PageOrientation::Landscape);
            const bool landscape = fits();
            const PageOrientation turned = portrait == landscape
                ? own
                : (landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
            printer.setOrientation(turned);
            m_turned.removeAll(name);
            if (turned != own)
                m_turned << name;
        } catch (const std::exception&) {
            printer.setOrientation(own);
            m_turned.removeAll(name);
        }
    } catch (const std::exception&) {
        // No printer: the job says so.
    }
    show();
}

std::optional<CurrentPaper::Proposal> CurrentPaper::proposal()
{
    try {
        Printer& printer = m_printers.current();
        const PaperFormat paper = printer.paper();
        return Proposal { printer.deviceName(), PaperChoice { paper.size, paper.orientation }.text() };
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void CurrentPaper::confirm(const std::optional<Proposal>& proposed)
{
    const std::optional<Proposal> now = proposal();
    if (proposed && now && proposed->deviceName == now->deviceName && proposed->paper == now->paper
        && !chosen(now->deviceName)) {
        show();
        return;
    }
    keep();
}
