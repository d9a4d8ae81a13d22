#pragma once

#include "print/printers/Printer.h"

#include <optional>

/// A printer of this machine: keeps the orientation, copies and paper the print dialog sets. Its
/// paper starts as the device's own default, asked for only when first needed.
class DevicePrinter : public Printer {
public:
    PageOrientation orientation() const override { return m_orientation; }
    void setOrientation(PageOrientation orientation) override { m_orientation = orientation; }
    qint16 copies() const override { return m_copies; }
    /// At least one; anything else is refused with RuntimeError 380.
    void setCopies(qint16 copies) override;

    /// Throws RuntimeError 482 when the device's default paper can't be read.
    PaperFormat paper() const override;
    void setPaper(const QPageSize& size) override;

protected:
    DevicePrinter() = default;
    /// The paper before any is chosen. Throws RuntimeError 482 when the device can't tell.
    virtual QPageSize defaultPaperSize() const = 0;

private:
    PageOrientation m_orientation = PageOrientation::Portrait;
    qint16 m_copies = 1;
    mutable std::optional<QPageSize> m_paperSize;
};
