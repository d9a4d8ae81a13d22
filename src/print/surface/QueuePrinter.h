#pragma once

#include "print/surface/DevicePrinter.h"

#include <QList>
#include <QPrinter>
#include <QString>

/// One installed print queue of the system, printed on through Qt's CUPS support.
class QueuePrinter : public DevicePrinter {
public:
    /// Reads the queue's duplex defaults; a queue the system doesn't know gets simplex and fails
    /// only when a document is printed.
    explicit QueuePrinter(const QString& queueName);

    QString deviceName() const override { return m_name; }
    QString driverName() const override;
    QString port() const override;

    Duplex duplex() const override { return m_duplex; }
    /// A duplex the queue can't print is refused with RuntimeError 380.
    void setDuplex(Duplex duplex) override;

protected:
    std::unique_ptr<QPrinter> createPrinter() const override;

private:
    QString m_name;
    Duplex m_duplex = Duplex::Simplex;
    QList<QPrinter::DuplexMode> m_supportedDuplex; // empty when the queue didn't say
};
