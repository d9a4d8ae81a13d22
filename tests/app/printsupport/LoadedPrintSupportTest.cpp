#include "app/printsupport/LoadedPrintSupport.h"

#include "common/RuntimeError.h"
#include "print/printers/PdfFilePrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The tests' print server can't be reached (CUPS_SERVER=/nonexistent): the PDF printer is the only
// printer, and current.
struct ModuleCase {
    const char* name;
    // Where the module is looked for; "%dir" is a scratch folder.
    QStringList modules;
    // Empty: the module loads; else words the refusal of every printer contains.
    QStringList refusal;
};

class LoadedPrintSupportTest : public testing::TestWithParam<ModuleCase> { };

TEST_P(LoadedPrintSupportTest, LoadsTheModuleOrRefusesEveryPrinterSayingWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile notAModule(dir.filePath(QStringLiteral("vennaros-print.so")));
    ASSERT_TRUE(notAModule.open(QIODevice::WriteOnly));
    notAModule.write("not an ELF file");
    notAModule.close();
    QStringList modules = GetParam().modules;
    QStringList refusal = GetParam().refusal;
    modules.replaceInStrings(QStringLiteral("%dir"), dir.path());
    refusal.replaceInStrings(QStringLiteral("%dir"), dir.path());

    LoadedPrintSupport support(nullptr, modules);
    EXPECT_FALSE(support.loaded()) << "loaded before a printer was needed";
    EXPECT_EQ(support.jobStatus({ QStringLiteral("Laser"), 7 }).state, QueueJobStatus::State::Unknown);

    if (refusal.isEmpty()) {
        EXPECT_EQ(support.current().deviceName(), QLatin1String(PdfFilePrinter::kDeviceName));
        EXPECT_TRUE(support.loaded());
        const std::vector<Printer*> printers = support.printers();
        ASSERT_FALSE(printers.empty());
        EXPECT_EQ(printers.back(), &support.current());
        // An error of the module's own code reaches the program as the program's RuntimeError.
        PdfFilePrinter foreign;
        try {
            support.setCurrent(foreign);
            ADD_FAILURE() << "a printer of another system became current";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 380);
        }
        EXPECT_EQ(&support.current(), printers.back());
        return;
    }
    // Asked twice, refused alike: the module is not looked for again and again.
    for (int ask = 0; ask < 2; ++ask) {
        try {
            support.current();
            ADD_FAILURE() << "a printer without the module";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 482);
            for (const QString& word : refusal)
                EXPECT_TRUE(error.description().contains(word)) << qPrintable(error.description());
        }
    }
    EXPECT_THROW(support.printers(), RuntimeError);
    EXPECT_THROW(support.exec(PrintDialogRequest {}), RuntimeError);
    EXPECT_FALSE(support.loaded());
    EXPECT_FALSE(support.wasRemoved(QStringLiteral("Laser")));
}

INSTANTIATE_TEST_SUITE_P(Modules, LoadedPrintSupportTest,
    testing::Values(
        ModuleCase { "built", LoadedPrintSupport::searchPaths(QCoreApplication::applicationDirPath()), {} },
        ModuleCase { "firstMissingThenBuilt",
            { QStringLiteral("%dir/none/vennaros-print.so"), QStringLiteral(VENNAROS_PRINT_MODULE_BUILT) },
            {} },
        ModuleCase { "missing",
            { QStringLiteral("%dir/none/vennaros-print.so"), QStringLiteral("%dir/lib/vennaros-print.so") },
            { QStringLiteral("not installed"),
                QStringLiteral("%dir/none/vennaros-print.so, %dir/lib/vennaros-print.so") } },
        ModuleCase { "notAModule", { QStringLiteral("%dir/vennaros-print.so") },
            { QStringLiteral("could not be loaded"), QStringLiteral("%dir/vennaros-print.so: ") } }),
    [](const testing::TestParamInfo<ModuleCase>& row) { return std::string(row.param.name); });

// An installed program never loads code from the folder it was built in.
TEST(LoadedPrintSupportPaths, TheBuildTreesModuleOnlyForAProgramInTheBuildTree)
{
    const QString built = QStringLiteral(VENNAROS_PRINT_MODULE_BUILT);
    const QString buildTree = QFileInfo(built).absolutePath() + QStringLiteral("/../src/app");
    for (const auto& [programDir, searched] : { std::pair { QStringLiteral("/usr/bin"), false },
             std::pair { QStringLiteral("/tmp/elsewhere"), false }, std::pair { buildTree, true } }) {
        const QStringList paths = LoadedPrintSupport::searchPaths(programDir);
        EXPECT_EQ(paths.contains(built), searched) << qPrintable(programDir);
        EXPECT_TRUE(paths.front().startsWith(QDir::cleanPath(programDir + QStringLiteral("/.."))))
            << qPrintable(paths.front());
    }
}

} // namespace
