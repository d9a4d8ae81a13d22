#pragma once

#include "print/page/Page.h"
#include "print/page/PaperFormat.h"

#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

/// Printing on one side, or on both sides turned over the long or the short edge.
enum class Duplex { Simplex, LongEdge, ShortEdge };

/// A document handed to a print queue, as the print system numbers it.
struct QueueJob {
    QString queue;
    int id = 0;
};

/// What the print server says about one job and the queue it waits in.
struct QueueJobStatus {
    enum class State { Unknown, Pending, Held, Processing, Stopped, Cancelled, Aborted, Completed };
    State state = State::Unknown;
    QString jobReasons; ///< the job's state reasons, comma separated
    QString jobMessage; ///< what the printer said while it had the job, when it said anything
    bool queueStopped = false; ///< the queue is paused, or stopped after a failure
    QString queueReasons; ///< the queue's state reasons, comma separated
    QString queueMessage; ///< what the queue says of its state (a printer that can't be reached)
};

/// One printer of the machine: its identity, the device properties exchanged with the print
/// dialog, its paper, and the sheets it prints. Any member may throw RuntimeError.
class Printer {
public:
    virtual ~Printer() = default;

    virtual QString deviceName() const = 0;
    virtual QString driverName() const = 0;
    virtual QString port() const = 0;

    virtual PageOrientation orientation() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    virtual Duplex duplex() const = 0;
    /// A printer that can't print that way refuses it (RuntimeError 380) and keeps what it had.
    virtual void setDuplex(Duplex duplex) = 0;
    virtual qint16 copies() const = 0;
    virtual void setCopies(qint16 copies) = 0;
    /// Where a printer that writes files puts the next document; ignored by the others.
    virtual void setOutputFileName(const QString&) { }

    /// The paper the next document is printed on, as the page is oriented.
    virtual PaperFormat paper() const = 0;
    /// The paper size of the next documents, turned as orientation() says. A size that has no
    /// usable definition is refused with RuntimeError 380.
    virtual void setPaper(const QPageSize& size) = 0;
    /// Prints one document of these sheets, in order, each drawn from the printable area's
    /// top-left corner. Throws RuntimeError 482 when the printer refuses them or can't be reached.
    virtual void printSheets(const std::vector<Page>& sheets) = 0;
    /// The print system's job of the last document printed, for a printer that hands its documents
    /// to a queue; nothing for the others.
    virtual std::optional<QueueJob> lastJob() const { return std::nullopt; }
};

/// The installed printers in the platform's order and the current one, which outlives every job.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    virtual std::vector<Printer*> printers() = 0;
    /// Throws RuntimeError when there is no printer at all.
    virtual Printer& current() = 0;
    virtual void setCurrent(Printer& printer) = 0;
    /// True when the print dialog may have offered deviceName although printers() no longer lists
    /// it: a print queue removed while the dialog was open.
    virtual bool wasRemoved(const QString& /*deviceName*/) { return false; }
    /// What became of a job one of its printers handed to a queue; Unknown when nobody can say.
    virtual QueueJobStatus jobStatus(const QueueJob& /*job*/) { return {}; }
};
