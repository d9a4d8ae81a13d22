#pragma once

#include "print/dialog/PrintDialogBackend.h"
#include "print/page/RecordingSurface.h"
#include "print/printers/Printer.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

/// A printer for tests: its properties are plain values, any of them can be made to fail, every
/// setting made is logged, and every document it prints is kept as its sheets. Its paper is A4 of a
/// settable width until a paper is set, then that paper as oriented; its own surfaces measure with
/// FixedTextMetrics.
class ScriptedPrinter : public Printer {
public:
    enum class Property {
        DeviceName,
        DriverName,
        Port,
        Orientation,
        Duplex,
        Copies,
        OutputFileName,
        Paper,
        Surface
    };

    explicit ScriptedPrinter(QString deviceName, QString driverName = QStringLiteral("Scripted"),
        QString port = QStringLiteral("SCRIPT:"));

    QString deviceName() const override;
    QString driverName() const override;
    QString port() const override;
    PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    Duplex duplex() const override;
    void setDuplex(Duplex duplex) override;
    qint16 copies() const override;
    void setCopies(qint16 copies) override;
    void setOutputFileName(const QString& fileName) override;
    PaperFormat paper() const override;
    void setPaper(const QPageSize& size) override;
    void printSheets(const std::vector<Page>& sheets) override;
    std::optional<QueueJob> lastJob() const override { return m_lastJob; }
    /// A document of one sheet on this printer, measured with FixedTextMetrics.
    std::unique_ptr<PrintSurface> openSurface();

    /// Reading and setting the property throw RuntimeError (482) until switched back; Surface
    /// stands for the paper and the printing.
    void setFailing(Property property, bool failing = true);
    /// Width of the paper of the next documents, in twips (A4 by default), whatever the orientation.
    void setPageWidth(qint32 twips) { m_pageWidth = twips; }
    /// What lastJob() answers from now on, as a print queue would after a document.
    void setLastJob(const std::optional<QueueJob>& job) { m_lastJob = job; }

    /// Settings in the order made, refused ones included: "Copies=2", "Duplex=LongEdge",
    /// "Orientation=Landscape", "Paper=Letter", "OutputFileName=/tmp/x.pdf".
    const QStringList& settingsLog() const { return m_settingsLog; }
    /// The sheets of every document printed, oldest first.
    const std::vector<std::vector<Page>>& documents() const { return m_documents; }

private:
    void check(Property property) const;

    QString m_deviceName;
    QString m_driverName;
    QString m_port;
    PageOrientation m_orientation = PageOrientation::Portrait;
    Duplex m_duplex = Duplex::Simplex;
    qint16 m_copies = 1;
    std::optional<qint32> m_pageWidth = 11906;
    QPageSize m_paperSize = QPageSize(QPageSize::A4);
    std::set<Property> m_failing;
    QStringList m_settingsLog;
    std::vector<std::vector<Page>> m_documents;
    std::optional<QueueJob> m_lastJob;
};

/// The installed printers for tests, in the order added; the first one added is current until
/// another is chosen. With none added, current() throws as a machine without printers does.
class ScriptedPrinterSystem : public PrinterSystem {
public:
    ScriptedPrinter& add(const QString& deviceName);
    /// Takes the printer off the list, as a print queue that is removed; it stays current if it is.
    void remove(const QString& deviceName);

    std::vector<Printer*> printers() override;
    Printer& current() override;
    void setCurrent(Printer& printer) override;
    bool wasRemoved(const QString& deviceName) override { return m_removed.contains(deviceName); }

    ScriptedPrinter& at(std::size_t index) { return *m_printers.at(index); }
    /// Which printer is current, by its place in the list; -1 with none.
    int currentIndex() const;
    /// How many times a printer was made current (the walk over the printers counts every match).
    int selections() const { return m_selections; }
    /// printers() throws RuntimeError while set.
    void setListingFails(bool fails) { m_listingFails = fails; }

private:
    std::vector<std::unique_ptr<ScriptedPrinter>> m_printers;
    std::vector<std::unique_ptr<ScriptedPrinter>> m_gone; // removed, still pointed at
    QStringList m_removed;
    Printer* m_current = nullptr;
    int m_selections = 0;
    bool m_listingFails = false;
};

/// The print dialog for tests: records each request and answers from a queue of scripted choices;
/// an empty queue (or a queued cancel) cancels.
class ScriptedPrintDialog : public PrintDialogBackend {
public:
    struct Choice {
        QString deviceName;
        qint16 copies = 1;
        PageOrientation orientation = PageOrientation::Portrait;
        std::optional<Duplex> duplex = Duplex::Simplex;
        QString outputFileName;
        bool asOpened = false; ///< the orientation and duplex the dialog opened on, untouched
    };

    /// The next answer carries this paper size; without it the answers carry none.
    void answerPaper(const QPageSize& size) { m_paper = size; }
    /// Runs once while the next dialog is open, before it answers: what the machine does meanwhile.
    void whileOpen(std::function<void()> action) { m_whileOpen = std::move(action); }

    void choose(const QString& deviceName, qint16 copies = 1,
        PageOrientation orientation = PageOrientation::Portrait,
        std::optional<Duplex> duplex = Duplex::Simplex, const QString& outputFileName = QString())
    {
        m_script.push_back(Choice { deviceName, copies, orientation, duplex, outputFileName, false });
    }
    /// Print pressed at once: the printer and how it prints as the dialog opened on them.
    void printAsOpened(const QString& deviceName, const QString& outputFileName = QString())
    {
        m_script.push_back(
            Choice { deviceName, 1, PageOrientation::Portrait, std::nullopt, outputFileName, true });
    }
    void cancel() { m_script.push_back(std::nullopt); }
    /// The next answer replaces the page range and flag word with these.
    void answerPages(qint32 flags, qint16 fromPage, qint16 toPage);
    /// exec() throws, as a dialog that fails to open.
    void setFailing(bool failing) { m_failing = failing; }

    std::optional<PrintDialogAnswer> exec(const PrintDialogRequest& request) override;

    const std::vector<PrintDialogRequest>& requests() const { return m_requests; }

private:
    struct Pages {
        qint32 flags;
        qint16 fromPage;
        qint16 toPage;
    };

    std::deque<std::optional<Choice>> m_script;
    std::optional<Pages> m_pages;
    std::optional<QPageSize> m_paper;
    std::function<void()> m_whileOpen;
    bool m_failing = false;
    std::vector<PrintDialogRequest> m_requests;
};
