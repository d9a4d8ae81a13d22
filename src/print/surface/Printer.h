#pragma once

#include "print/surface/PrintSurface.h"

#include <QString>
#include <memory>
#include <vector>

enum class PageOrientation { Portrait, Landscape };
/// Printing on one side, or on both sides turned over the long or the short edge.
enum class Duplex { Simplex, LongEdge, ShortEdge };

/// One printer of the machine: its identity, the device properties exchanged with the print
/// dialog, and the surface a print job draws on. Any member may throw RuntimeError.
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

    /// A new document on this printer, begun by its first output.
    virtual std::unique_ptr<PrintSurface> openSurface() = 0;
};

/// The installed printers in the platform's order and the current one, which outlives every job.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    virtual std::vector<Printer*> printers() = 0;
    /// Throws RuntimeError when there is no printer at all.
    virtual Printer& current() = 0;
    virtual void setCurrent(Printer& printer) = 0;
};
