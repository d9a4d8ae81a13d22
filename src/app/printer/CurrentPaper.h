#pragma once

#include "app/printer/PrinterPapers.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>

class PageSetupBackend;
class PrinterSystem;
class StatusLine;

/// The current printer's paper as the window keeps it: the paper kept per printer in the store,
/// given back the first time a printer is current, kept again whenever a dialog changed it, and
/// named in the window's paper line.
class CurrentPaper {
    Q_DECLARE_TR_FUNCTIONS(WindowController)
public:
    /// showLine: the window's paper line.
    CurrentPaper(PrinterSystem& printers, PrinterPapers papers, StatusLine& status,
        std::function<void(const QString&)> showLine);

    /// The current printer takes the paper kept for it, the first time it is current.
    void restore();
    /// The current printer's paper and orientation go to the store and to the paper line.
    void keep();
    /// The paper line names the current printer's paper, or that there is none.
    void show();
    /// "Page Setup...": the current printer's paper and orientation, set without printing.
    void setUp(PageSetupBackend& dialog);

private:
    PrinterSystem& m_printers;
    PrinterPapers m_papers;
    StatusLine& m_status;
    std::function<void(const QString&)> m_showLine;
    QStringList m_restored; // printers that have had their kept paper
};
