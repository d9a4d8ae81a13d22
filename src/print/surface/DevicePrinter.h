#pragma once

#include "print/surface/Printer.h"

#include <memory>

class QPrinter;

/// A printer of this machine that prints through a QPrinter. Keeps the orientation and copies the
/// print dialog sets and gives every document a QPrinter of its own.
class DevicePrinter : public Printer {
public:
    PageOrientation orientation() const override { return m_orientation; }
    void setOrientation(PageOrientation orientation) override { m_orientation = orientation; }
    qint16 copies() const override { return m_copies; }
    /// At least one; anything else is refused with RuntimeError 380.
    void setCopies(qint16 copies) override;

    /// Throws RuntimeError when the printer can't be reached.
    PaperFormat paper() const override;
    void printSheets(const std::vector<Page>& sheets) override;

protected:
    DevicePrinter() = default;
    /// A new QPrinter for one document: device, paper, output and the subclass's own properties.
    virtual std::unique_ptr<QPrinter> createPrinter() const = 0;

private:
    /// A printer for one document, turned and with the margins of the printable area set.
    std::unique_ptr<QPrinter> preparedPrinter() const;

    PageOrientation m_orientation = PageOrientation::Portrait;
    qint16 m_copies = 1;
};
