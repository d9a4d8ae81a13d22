#pragma once

#include "app/printer/PrinterPapers.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <functional>
#include <optional>

class PageSetupBackend;
class PrinterSystem;
class StatusLine;

/// The current printer's paper as the window keeps it: the paper kept per printer in the store,
/// given back the first time a printer is current, kept again whenever the user chose it in a
/// dialog, and named in the window's paper line. Until the user chooses, each job turns the paper
/// the way its sheets fit.
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
    /// "Page Setup...": the current printer's paper and orientation, set without printing. True when
    /// the dialog changed them.
    bool setUp(PageSetupBackend& dialog);

    /// For a printer whose paper the user has not chosen: the orientation in which fits() holds,
    /// when it holds in one only, else the printer's own. fits() reads the current printer's paper.
    void turnToFit(const std::function<bool()>& fits);
    /// The current printer and its paper as the print dialog opens on them.
    struct Proposal {
        QString deviceName;
        QString paper;
    };
    std::optional<Proposal> proposal();
    /// After a confirmed print dialog: what the user changed in it is kept; the same printer and
    /// paper as proposed is no choice, and a paper turned to fit stays so.
    void confirm(const std::optional<Proposal>& proposed);

private:
    PrinterSystem& m_printers;
    PrinterPapers m_papers;
    StatusLine& m_status;
    std::function<void(const QString&)> m_showLine;
    bool chosen(const QString& deviceName);

    QStringList m_restored; // printers that have had their kept paper
    QStringList m_chosen; // printers whose paper the user chose in this run
    QStringList m_turned; // printers turned from their own orientation to fit the last job
    QHash<QString, PageOrientation> m_own; // each printer's orientation before it was first turned
};
