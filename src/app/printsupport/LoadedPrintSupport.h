#pragma once

#include "app/printsupport/PrintSupport.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>

/// The print module, loaded the first time a printer or a dialog is needed: the window shows before
/// the print system's libraries are loaded. Stands in for the module's printer system and dialogs.
/// A module that can't be loaded is said, naming it and why, as the failure of every printer.
class LoadedPrintSupport : public PrinterSystem, public PrintDialogBackend, public PageSetupBackend {
    Q_DECLARE_TR_FUNCTIONS(LoadedPrintSupport)
public:
    /// The dialogs open over parent. modules: where the module may be, tried in order.
    explicit LoadedPrintSupport(
        QWidget* parent, QStringList modules = searchPaths(QCoreApplication::applicationDirPath()));
    ~LoadedPrintSupport() override;
    LoadedPrintSupport(const LoadedPrintSupport&) = delete;
    LoadedPrintSupport& operator=(const LoadedPrintSupport&) = delete;

    /// Beside an installed program first, then in the build tree when the program runs from it.
    static QStringList searchPaths(const QString& programDir);
    bool loaded() const { return m_support != nullptr; }

    std::vector<Printer*> printers() override;
    Printer& current() override;
    void setCurrent(Printer& printer) override;
    bool wasRemoved(const QString& deviceName) override;
    /// Unknown before the module is loaded: no job can have been printed then.
    QueueJobStatus jobStatus(const QueueJob& job) override;

    std::optional<PrintDialogAnswer> exec(const PrintDialogRequest& request) override;
    std::optional<PaperChoice> exec(const QString& deviceName, const PaperChoice& current) override;

private:
    /// Loads the module the first time; throws a printer error (482) saying why it can't be.
    PrintSupport& support();

    QWidget* m_parent;
    QStringList m_modules;
    std::unique_ptr<PrintSupport> m_support;
    QString m_failure; // why the module could not be loaded, once tried
};
