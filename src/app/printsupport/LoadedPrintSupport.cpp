#include "app/printsupport/LoadedPrintSupport.h"

#include "common/PrinterError.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>

LoadedPrintSupport::LoadedPrintSupport(QWidget* parent, QStringList modules)
    : m_parent(parent)
    , m_modules(std::move(modules))
{ }

// The module stays loaded to the end of the process: its objects go first, and its code may still
// run in exit handlers of the libraries it brought.
LoadedPrintSupport::~LoadedPrintSupport() = default;

QStringList LoadedPrintSupport::searchPaths(const QString& programDir)
{
    QStringList paths;
    paths << QDir::cleanPath(programDir + QStringLiteral("/" VENNAROS_PRINT_MODULE_INSTALLED));
    // The build tree's module only for the program run from the build tree: an installed program
    // must not load code from wherever it was built.
    const QString program = QDir::cleanPath(programDir) + QLatin1Char('/');
    if (program.startsWith(QDir::cleanPath(QStringLiteral(VENNAROS_BUILD_TREE)) + QLatin1Char('/')))
        paths << QStringLiteral(VENNAROS_PRINT_MODULE_BUILT);
    paths.removeDuplicates();
    return paths;
}

PrintSupport& LoadedPrintSupport::support()
{
    if (m_support)
        return *m_support;
    if (m_failure.isEmpty()) {
        const auto found = std::find_if(m_modules.cbegin(), m_modules.cend(),
            [](const QString& path) { return QFileInfo(path).isFile(); });
        if (found == m_modules.cend()) {
            m_failure = tr("the print module is not installed (looked for %1)")
                            .arg(m_modules.join(QStringLiteral(", ")));
        } else {
            QLibrary module(*found);
            const auto factory = reinterpret_cast<PrintSupportFactory>(module.resolve(kPrintSupportFactory));
            if (factory == nullptr)
                m_failure
                    = tr("the print module %1 could not be loaded: %2").arg(*found, module.errorString());
            else
                m_support.reset(factory(m_parent));
        }
    }
    if (!m_support)
        throw printerError(m_failure);
    return *m_support;
}

std::vector<Printer*> LoadedPrintSupport::printers()
{
    return support().printers().printers();
}

Printer& LoadedPrintSupport::current()
{
    return support().printers().current();
}

void LoadedPrintSupport::setCurrent(Printer& printer)
{
    support().printers().setCurrent(printer);
}

bool LoadedPrintSupport::wasRemoved(const QString& deviceName)
{
    return loaded() && m_support->printers().wasRemoved(deviceName);
}

QueueJobStatus LoadedPrintSupport::jobStatus(const QueueJob& job)
{
    return loaded() ? m_support->printers().jobStatus(job) : QueueJobStatus();
}

std::optional<PrintDialogAnswer> LoadedPrintSupport::exec(const PrintDialogRequest& request)
{
    return support().printDialog().exec(request);
}

std::optional<PaperChoice> LoadedPrintSupport::exec(const QString& deviceName, const PaperChoice& current)
{
    return support().pageSetup().exec(deviceName, current);
}
