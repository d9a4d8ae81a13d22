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

    qint16 duplex() const override { return m_duplex; }
    /// 1 simplex, 2 long edge, 3 short edge; a code the queue can't print is refused with
    /// RuntimeError 380.
    void setDuplex(qint16 duplex) override;

protected:
    std::unique_ptr<QPrinter> createPrinter() const override;

private:
    QString m_name;
    qint16 m_duplex;
    QList<QPrinter::DuplexMode> m_supportedDuplex; // empty when the queue didn't say
};
