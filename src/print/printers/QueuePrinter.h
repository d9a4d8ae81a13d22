#pragma once

#include "print/printers/DevicePrinter.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <optional>

/// One installed print queue of the system. Its defaults (paper, duplex) are asked for when first
/// needed; a document is drawn once into a PDF file by the same writer as the PDF printer's and
/// submitted with the paper, sides and copies chosen, asking the queue to scale nothing.
class QueuePrinter : public DevicePrinter {
public:
    /// Asks the print system nothing yet.
    explicit QueuePrinter(const QString& queueName);

    QString deviceName() const override { return m_name; }
    QString driverName() const override;
    QString port() const override;

    /// The duplex chosen last, or the queue's default (simplex when the queue can't be reached).
    Duplex duplex() const override;
    /// A duplex the queue can't print is refused with RuntimeError 380.
    void setDuplex(Duplex duplex) override;

    void printSheets(const std::vector<Page>& sheets) override;
    std::optional<QueueJob> lastJob() const override { return m_lastJob; }

protected:
    /// The queue's default media; RuntimeError 482 when the queue can't be reached.
    QPageSize defaultPaperSize() const override;

private:
    struct Defaults {
        QPageSize paperSize;
        Duplex duplex = Duplex::Simplex;
        QList<QPrinter::DuplexMode> supportedDuplex; // empty when the queue didn't say
    };
    /// The queue's defaults, read once; nothing while the queue can't be reached.
    const std::optional<Defaults>& defaults() const;
    /// The job options of a document on this paper: media, sides, copies and no scaling.
    std::vector<std::pair<QByteArray, QByteArray>> jobOptions(const PaperFormat& paper) const;

    QString m_name;
    std::optional<Duplex> m_duplex;
    mutable std::optional<Defaults> m_defaults;
    std::optional<QueueJob> m_lastJob;
};
