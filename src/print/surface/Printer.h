#pragma once

#include "print/surface/PrintSurface.h"

#include <QString>
#include <memory>
#include <vector>

/// Page orientation and duplex codes as the print dialog exchanges them.
namespace printer_codes {
constexpr qint16 kPortrait = 1;
constexpr qint16 kLandscape = 2;
constexpr qint16 kSimplex = 1;
constexpr qint16 kDuplexLongEdge = 2; // "vertical"
constexpr qint16 kDuplexShortEdge = 3; // "horizontal"
} // namespace printer_codes

/// One printer of the machine: its identity, the device properties exchanged with the print
/// dialog, and the surface a print job draws on. Any member may throw RuntimeError.
class Printer {
public:
    virtual ~Printer() = default;

    virtual QString deviceName() const = 0;
    virtual QString driverName() const = 0;
    virtual QString port() const = 0;

    virtual qint16 orientation() const = 0;
    virtual void setOrientation(qint16 orientation) = 0;
    virtual qint16 duplex() const = 0;
    virtual void setDuplex(qint16 duplex) = 0;
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
