// The program's command line, run as a user runs it: the built program in a process of its own,
// without a display.
#include "app/cli/CircleOptions.h"
#include "app/window/WindowController.h"
#include "app/window/frmMain.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/printers/PdfFilePrinter.h"
#include "print/printers/QtPrinterSystem.h"
#include "settings/LastExitSettings.h"
#include "settings/PrinterScales.h"
#include "settings/QtSettingsStore.h"
#include "settings/SettingsFileCommands.h"
#include "support/PdfReadback.h"
#include "support/RowName.h"
#include "support/ScriptedPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr double kTolerance = 0.5; // twips

struct Outcome {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

/// The program with these arguments and no display at all; with home, that folder is its home and
/// holds its settings store.
Outcome vennaros(const QStringList& arguments, const QString& home = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QLatin1String(name));
    if (!home.isEmpty()) {
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VENNAROS_BINARY), arguments);
    Outcome run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.crashed = true;
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

class FilePrompts : public SettingsFilePrompts {
public:
    std::optional<QString> chooseFile(const FileDialogSetup&) override { return path; }
    bool confirmOverwrite(const QString&, const QString&) override { return true; }
    void showError(const QString&, const QString&) override { }
    QString path;
};

void writeSettings(const SettingsModel& model, const QString& path)
{
    int number = 0;
    QString description;
    ASSERT_TRUE(SettingsFileCommands::writeFile(model, path, number, description))
        << description.toStdString();
}

void expectSamePage(const pdfreadback::PdfPage& window, const pdfreadback::PdfPage& command)
{
    EXPECT_EQ(command.pageCount, window.pageCount);
    EXPECT_NEAR(command.paperWidth, window.paperWidth, kTolerance);
    EXPECT_NEAR(command.paperHeight, window.paperHeight, kTolerance);
    ASSERT_EQ(command.segments.size(), window.segments.size());
    for (std::size_t i = 0; i < window.segments.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(command.segments[i].x1, window.segments[i].x1, kTolerance);
        EXPECT_NEAR(command.segments[i].y1, window.segments[i].y1, kTolerance);
        EXPECT_NEAR(command.segments[i].x2, window.segments[i].x2, kTolerance);
        EXPECT_NEAR(command.segments[i].y2, window.segments[i].y2, kTolerance);
        EXPECT_NEAR(command.segments[i].width, window.segments[i].width, 0.05);
        EXPECT_EQ(command.segments[i].colour, window.segments[i].colour);
    }
    ASSERT_EQ(command.boxes.size(), window.boxes.size());
    for (std::size_t i = 0; i < window.boxes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(command.boxes[i].left, window.boxes[i].left, kTolerance);
        EXPECT_NEAR(command.boxes[i].top, window.boxes[i].top, kTolerance);
        EXPECT_NEAR(command.boxes[i].right, window.boxes[i].right, kTolerance);
        EXPECT_NEAR(command.boxes[i].bottom, window.boxes[i].bottom, kTolerance);
        EXPECT_EQ(command.boxes[i].fillColour, window.boxes[i].fillColour);
    }
    ASSERT_EQ(command.texts.size(), window.texts.size());
    for (std::size_t i = 0; i < window.texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(command.texts[i].text, window.texts[i].text);
        EXPECT_NEAR(command.texts[i].left, window.texts[i].left, kTolerance);
        EXPECT_NEAR(command.texts[i].baseline, window.texts[i].baseline, kTolerance);
        EXPECT_NEAR(command.texts[i].points, window.texts[i].points, 0.01);
    }
}

struct SamePageRow {
    const char* name;
    bool azimuth;
    bool landscape;
};

class PrintPdf : public ::testing::TestWithParam<SamePageRow> {
protected:
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

} // namespace

TEST_P(PrintPdf, WritesThePageTheWindowPrintsOnThePdfPrinter)
{
    const SamePageRow& row = GetParam();
    SettingsModel settings;
    settings.setText(SizeText::Altitude, QStringLiteral("60"));
    settings.setOption(Option::Altmm, true);
    settings.setText(SizeText::Azimuth, QStringLiteral("2.5"));
    settings.setOption(Option::Ra, true);
    settings.setCheck(Check::WB, SettingsModel::kChecked);
    settings.setSetCheck(2, SettingsModel::kChecked);
    settings.setCheckTop(2, SettingsModel::kUnchecked);
    settings.setSlider(Slider::Font, 2, 12);
    writeSettings(settings, file("mount.txt"));

    // The window: Restore the file, then the print button on the built-in PDF printer.
    {
        QtPrinterSystem printers([] { return QueueListing {}; });
        ScriptedPrintDialog dialog;
        dialog.choose(QString::fromLatin1(PdfFilePrinter::kDeviceName), 1,
            row.landscape ? PageOrientation::Landscape : PageOrientation::Portrait, Duplex::Simplex,
            file("window.pdf"));
        QtSettingsStore store(file("Vennaros.ini"));
        FilePrompts prompts;
        prompts.path = file("mount.txt");
        SettingsModel model;
        frmMain window(model);
        WindowController controller(window, { store, printers, dialog, prompts });
        controller.start();
        window.findChild<QPushButton*>(QStringLiteral("RestoreButton"))->click();
        window.findChild<QPushButton*>(QLatin1String(row.azimuth ? "PrintAzButton" : "PrintButton"))->click();
        ASSERT_EQ(model.status().text(), QString());
    }

    QStringList arguments { QStringLiteral("--print-pdf"), file("command.pdf"), QStringLiteral("--settings"),
        file("mount.txt"), QLatin1String(row.azimuth ? "--azimuth" : "--altitude") };
    if (row.landscape)
        arguments << QStringLiteral("--landscape");
    const Outcome run = vennaros(arguments);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    const pdfreadback::PdfPage command = pdfreadback::readPdfPage(file("command.pdf"));
    expectSamePage(pdfreadback::readPdfPage(file("window.pdf")), command);
    // Written by the built-in PDF printer: a viewer is told to print it unscaled.
    EXPECT_EQ(command.printScaling, QStringLiteral("None"));
    EXPECT_EQ(command.title, QStringLiteral("Vennaros setting circles"));
}

INSTANTIATE_TEST_SUITE_P(Jobs, PrintPdf,
    ::testing::Values(
        SamePageRow { "AltitudePortrait", false, false }, SamePageRow { "RaLandscape", true, true }),
    [](const ::testing::TestParamInfo<SamePageRow>& row) { return std::string(row.param.name); });

TEST(PrintPdfStore, NeitherThePageOptionsNorThePrinterScaleOfTheStoreApply)
{
    QTemporaryDir dir;
    const QString keeping = dir.filePath(QStringLiteral("keeping"));
    const QString bare = dir.filePath(QStringLiteral("bare"));
    const QString storePath = keeping + QStringLiteral("/.config/Vennaros/Vennaros.ini");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(storePath).path()) && QDir().mkpath(bare));
    {
        // What the window's Exit and "Printer scale..." would have kept, every option on.
        QtSettingsStore store(storePath);
        for (const char* key : { "Scale Check", "Split Long", "Verniers", "Both Ways", "Rings" })
            store.write(QLatin1String(key), QStringLiteral("1"));
        QString reason;
        ASSERT_TRUE(PrinterScales(store).keep(
            QString::fromLatin1(PdfFilePrinter::kDeviceName), ScaleFactors { 1.02, 1.03 }, reason));
        SettingsModel model;
        LastExitSettings(model, store).start();
        ASSERT_EQ(model.check(Check::Verniers), SettingsModel::kChecked);
    }
    SettingsModel settings;
    settings.setText(SizeText::Azimuth, QStringLiteral("60"));
    settings.setOption(Option::Azmm, true);
    settings.setText(SizeText::Altitude, QStringLiteral("300"));
    settings.setOption(Option::Altmm, true);
    writeSettings(settings, dir.filePath(QStringLiteral("mount.txt")));
    const auto print = [&](const char* out, const char* job, const QString& home) {
        return vennaros(
            { QStringLiteral("--print-pdf"), dir.filePath(QLatin1String(out)), QStringLiteral("--settings"),
                dir.filePath(QStringLiteral("mount.txt")), QLatin1String(job) },
            home);
    };

    ASSERT_EQ(print("keeping.pdf", "--azimuth", keeping).exitCode, 0);
    ASSERT_EQ(print("bare.pdf", "--azimuth", bare).exitCode, 0);
    const pdfreadback::PdfPage page = pdfreadback::readPdfPage(dir.filePath(QStringLiteral("keeping.pdf")));
    expectSamePage(pdfreadback::readPdfPage(dir.filePath(QStringLiteral("bare.pdf"))), page);
    for (const pdfreadback::TextRun& text : page.texts)
        EXPECT_FALSE(text.text.contains(QStringLiteral("Printer scale"))) << text.text.toStdString();
    // Not split either: a strip longer than the paper gets the refusal.
    const Outcome tooLong = print("long.pdf", "--altitude", keeping);
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_TRUE(tooLong.err.contains(QStringLiteral("for current page width."))) << tooLong.err.toStdString();
    EXPECT_TRUE(QFileInfo(storePath).exists());
}

namespace {

struct RefusalRow {
    const char* name;
    const char* altitudeSize; ///< written into the settings file
    const char* output; ///< relative to the test folder
    QStringList extra;
    const char* message; ///< the first line on standard error
    int exitCode = 1;
    bool readOnlyOutput = false; ///< the earlier output file has no write permission
};

class PrintPdfRefusal : public ::testing::TestWithParam<RefusalRow> {
protected:
    QTemporaryDir dir;
};

} // namespace

TEST_P(PrintPdfRefusal, ExitsWithTheStatusTextAndWritesNothing)
{
    const RefusalRow& row = GetParam();
    SettingsModel settings;
    settings.setText(SizeText::Altitude, QString::fromUtf8(row.altitudeSize));
    writeSettings(settings, dir.filePath(QStringLiteral("mount.txt")));
    // An empty name stands for one a byte longer than a file name may be.
    const QString output
        = dir.filePath(*row.output != '\0' ? QLatin1String(row.output)
                                           : QString(252, QLatin1Char('n')) + QStringLiteral(".pdf"));
    QFile earlier(output);
    const bool folderExists = earlier.open(QIODevice::WriteOnly);
    if (folderExists) {
        earlier.write("an earlier file");
        earlier.close();
        if (row.readOnlyOutput)
            earlier.setPermissions(QFileDevice::ReadOwner);
    }

    // A row's own --settings takes the place of the file written here.
    const QStringList settingsFile = row.extra.contains(QStringLiteral("--settings"))
        ? QStringList()
        : QStringList { QStringLiteral("--settings"), dir.filePath(QStringLiteral("mount.txt")) };
    const Outcome run
        = vennaros(QStringList { QStringLiteral("--print-pdf"), output, QStringLiteral("--altitude") }
            + settingsFile + row.extra);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_TRUE(run.err.contains(QLatin1String(row.message))) << run.err.toStdString();
    const bool outputIsSettings = output == dir.filePath(QStringLiteral("mount.txt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
        folderExists && !outputIsSettings ? 2 : 1)
        << "no other file, no temporary file left";
    if (folderExists) {
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArray("an earlier file"));
    } else {
        EXPECT_FALSE(QFile::exists(output));
    }
}

INSTANTIATE_TEST_SUITE_P(Refusals, PrintPdfRefusal,
    ::testing::Values(RefusalRow { "NotANumber", "abc", "out.pdf", {}, "\nMust be numeric.\n" },
        RefusalRow { "TooLongForA4", "3", "out.pdf", { QStringLiteral("--paper"), QStringLiteral("A4") },
            "\nAltitude max. length is 8.3 inches for current page width.\n" },
        RefusalRow { "TooSmall", "1.5", "out.pdf", {}, "\nAltitude size must be at least 2 inches\n" },
        RefusalRow { "FolderMissing", "2", "missing/out.pdf", {}, "\nPrint function error.\n" },
        RefusalRow { "SettingsMissing", "3", "out.pdf",
            { QStringLiteral("--settings"), QStringLiteral("/nonexistent/mount.txt") },
            "cannot read the settings file '/nonexistent/mount.txt'" },
        // Nothing the user gave is lost by a slip, nor written under a name other than the one given.
        RefusalRow {
            "OutputIsTheSettingsFile", "3", "mount.txt", {}, "mount.txt': it is the settings file\n", 1 },
        RefusalRow { "ReadOnlyOutput", "2", "out.pdf", {}, "out.pdf': it is read-only\n", 1, true },
        RefusalRow { "NameLongerThanTheFileSystemTakes", "2", "", {},
            "Print function error: the file name is 256 bytes long; the file system takes at most 255.\n" },
        RefusalRow { "RepeatedPrintPdf", "2", "out.pdf",
            { QStringLiteral("--print-pdf"), QStringLiteral("x.pdf") },
            "--print-pdf is given 2 times; give it once.", 2 },
        RefusalRow { "RepeatedSettings", "2", "out.pdf",
            { QStringLiteral("--settings"), QStringLiteral("a.txt"), QStringLiteral("--settings=b.txt") },
            "--settings is given 2 times", 2 },
        RefusalRow { "RepeatedPaper", "2", "out.pdf",
            { QStringLiteral("--paper"), QStringLiteral("A3"), QStringLiteral("--paper=A4") },
            "--paper is given 2 times", 2 },
        RefusalRow { "RepeatedFlag", "2", "out.pdf", { QStringLiteral("--altitude") },
            "--altitude is given 2 times", 2 },
        RefusalRow { "HalfDegreesOnTooSmallACircle", "2", "out.pdf", { QStringLiteral("--half-degree") },
            "\nHalf-degree marks need a diameter of at least 4.6 inches.\n" },
        RefusalRow { "ZeroAtAFullCircle", "2", "out.pdf",
            { QStringLiteral("--zero-at"), QStringLiteral("360") },
            "\nZero at must be 0 to 359 degrees in steps of 1.\n" }),
    [](const ::testing::TestParamInfo<RefusalRow>& row) { return std::string(row.param.name); });

TEST(PrintPdfTarget, ANamedPipeIsRefusedAndStaysAPipe)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    SettingsModel settings;
    settings.setText(SizeText::Altitude, QStringLiteral("2"));
    writeSettings(settings, dir.filePath(QStringLiteral("mount.txt")));
    const Outcome run = vennaros({ QStringLiteral("--print-pdf"), pipe, QStringLiteral("--settings"),
        dir.filePath(QStringLiteral("mount.txt")), QStringLiteral("--altitude") });
    ASSERT_FALSE(run.crashed) << "a pipe must not be opened: it waits for a reader";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("\nPrint function error.\n"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("it is a named pipe"))) << run.err.toStdString();
    struct stat status { };
    ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(PrintPdfTarget, ANameAsLongAsTheFileSystemTakesIsWritten)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QString(251, QLatin1Char('n')) + QStringLiteral(".pdf"));
    const Outcome run = vennaros({ QStringLiteral("--print-pdf"), output, QStringLiteral("--azimuth"),
        QStringLiteral("--landscape") });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(output));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

namespace {

struct NotUtf8Row {
    const char* name;
    const char* arguments; ///< for the shell; \\377 is a byte that is no UTF-8
    int exitCode;
    const char* message;
};

class NotUtf8 : public ::testing::TestWithParam<NotUtf8Row> { };

} // namespace

// Bytes that are not UTF-8 come to the program with U+FFFD in their place: that name is another
// file, which must stay as it is, and none is written; any other value is a wrong command line.
TEST_P(NotUtf8, IsRefusedForWhatItIs)
{
    QTemporaryDir dir;
    const QString lookalike = dir.filePath(QStringLiteral("a\uFFFD.pdf"));
    QFile other(lookalike);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("another file");
    other.close();
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + QLatin1String(GetParam().arguments),
            QStringLiteral(VENNAROS_BINARY) });
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), GetParam().exitCode);
    const QString error = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(error.startsWith(QString::fromUtf8(GetParam().message))) << error.toStdString();
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), QByteArray("another file"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Arguments, NotUtf8,
    ::testing::Values(
        NotUtf8Row { "PdfFile", "--print-pdf \"$(printf 'a\\377.pdf')\" --azimuth --landscape", 1,
            "vennaros: 'a\uFFFD.pdf' is not valid UTF-8; no file is read or written under another name." },
        NotUtf8Row { "ZeroAt", "--print-pdf out.pdf --azimuth --zero-at \"$(printf '1\\377')\"", 2,
            "vennaros: the value of --zero-at is not valid UTF-8." },
        NotUtf8Row { "ZeroAtWithItsValue",
            "--print-pdf out.pdf --azimuth \"$(printf -- '--zero-at=1\\377')\"", 2,
            "vennaros: the value of --zero-at is not valid UTF-8." }),
    [](const auto& row) { return std::string(row.param.name); });

// A file saved under one language is printed under another: the size keeps its value.
TEST(PrintPdfLocale, ASettingsFileOfOneLanguageReadsInTheOther)
{
    for (const auto& [size, language] :
        { std::pair { "250,5", "C" }, std::pair { "250.5", "de_DE.UTF-8" } }) {
        QTemporaryDir dir;
        SettingsModel settings;
        settings.setText(SizeText::Altitude, QLatin1String(size));
        settings.setOption(Option::Altmm, true);
        settings.setOption(Option::AltLen, true);
        writeSettings(settings, dir.filePath(QStringLiteral("mount.txt")));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QLatin1String(language));
        process.setProcessEnvironment(environment);
        const QString output = dir.filePath(QStringLiteral("out.pdf"));
        process.start(QStringLiteral(VENNAROS_BINARY),
            { QStringLiteral("--print-pdf"), output, QStringLiteral("--settings"),
                dir.filePath(QStringLiteral("mount.txt")), QStringLiteral("--altitude"),
                QStringLiteral("--landscape") });
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << size << ": " << process.readAllStandardError().toStdString();
        const pdfreadback::PdfPage page = pdfreadback::readPdfPage(output);
        double right = 0;
        for (const auto& segment : page.segments)
            right = std::max(right, segment.x1);
        EXPECT_NEAR(right, 100 + 250.5 * 56.7, 2) << size;
    }
}

namespace {

class SizeInALocale : public ::testing::TestWithParam<std::pair<const char*, const char*>> { };

} // namespace

// --size takes "." and "," everywhere, and the locale's own decimal separator and digits.
TEST_P(SizeInALocale, PrintsTheLengthTyped)
{
    const auto& [language, size] = GetParam();
    QTemporaryDir dir;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QLatin1String(language));
    process.setProcessEnvironment(environment);
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    process.start(QStringLiteral(VENNAROS_BINARY),
        { QStringLiteral("--print-pdf"), output, QStringLiteral("--size"), QString::fromUtf8(size),
            QStringLiteral("--length"), QStringLiteral("--altitude"), QStringLiteral("--landscape") });
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    double right = 0;
    for (const auto& segment : pdfreadback::readPdfPage(output).segments)
        right = std::max(right, segment.x1);
    EXPECT_NEAR(right, 100 + 250.5 * 56.7, 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeInALocale,
    ::testing::Values(std::pair { "ar_EG.UTF-8", "250.5mm" }, std::pair { "ar_EG.UTF-8", "250,5mm" },
        std::pair { "ar_EG.UTF-8", "\u0662\u0665\u0660\u066B\u0665mm" },
        std::pair { "fa_IR.UTF-8", "\u06F2\u06F5\u06F0\u066B\u06F5mm" },
        std::pair { "de_DE.UTF-8", "250.5mm" }, std::pair { "C.UTF-8", "250,5mm" }),
    [](const auto& row) {
        return rowName(std::string(row.param.first).substr(0, 2)) + "_" + std::to_string(row.index);
    });

TEST(CommandLine, AWriteErrorOnStandardOutputExitsWithOne)
{
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(VENNAROS_BINARY), { QStringLiteral("--help") });
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot write to standard output"));
}

TEST(CommandLine, AnswersWithoutADisplayAndNeverAborts)
{
    const Outcome version = vennaros({ QStringLiteral("--version") });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("Vennaros 3.2\n"));
    const Outcome help = vennaros({ QStringLiteral("--help") });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--print-pdf FILE")));
    const Outcome wrong = vennaros({ QStringLiteral("--altitude") });
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("go with --print-pdf FILE")));
}

namespace {

struct WithoutDisplayRow {
    const char* name;
    QStringList arguments; ///< "OUT" stands for a PDF file to write
    int exitCode;
    const char* error; ///< all of standard error; empty: no message of the program's
};

class WithoutADisplay : public ::testing::TestWithParam<WithoutDisplayRow> { };

} // namespace

// Qt's own -platform never brings the file commands down, and the window's refusal is one line.
TEST_P(WithoutADisplay, FileCommandsRunAndTheWindowSaysWhyNot)
{
    const WithoutDisplayRow& row = GetParam();
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    QStringList arguments = row.arguments;
    arguments.replaceInStrings(QStringLiteral("OUT"), output);
    const Outcome run = vennaros(arguments);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, row.exitCode);
    if (*row.error == '\0') {
        EXPECT_FALSE(run.err.contains(QStringLiteral("vennaros"))) << run.err.toStdString();
    } else {
        EXPECT_EQ(run.err.toStdString(), row.error);
    }
    EXPECT_EQ(QFile::exists(output), row.exitCode == 0);
}

INSTANTIATE_TEST_SUITE_P(Platforms, WithoutADisplay,
    ::testing::Values(
        WithoutDisplayRow { "PrintPdfWithXcb",
            { QStringLiteral("--print-pdf"), QStringLiteral("OUT"), QStringLiteral("--landscape"),
                QStringLiteral("--azimuth"), QStringLiteral("--size"), QStringLiteral("80mm"),
                QStringLiteral("-platform"), QStringLiteral("xcb") },
            0, "" },
        WithoutDisplayRow { "PrintPdfWithAnUnknownPlatform",
            { QStringLiteral("-platform"), QStringLiteral("nosuch"), QStringLiteral("--print-pdf"),
                QStringLiteral("OUT"), QStringLiteral("--altitude"), QStringLiteral("--size"),
                QStringLiteral("2in") },
            0, "" },
        WithoutDisplayRow { "Window", {}, 1,
            "vennaros: cannot open a display: DISPLAY and WAYLAND_DISPLAY are not set; --print-pdf, --svg "
            "and --dxf need none.\n" },
        WithoutDisplayRow { "WindowWithXcb", { QStringLiteral("-platform"), QStringLiteral("xcb") }, 1,
            "vennaros: cannot open a display: DISPLAY and WAYLAND_DISPLAY are not set; --print-pdf, --svg "
            "and --dxf need none.\n" },
        WithoutDisplayRow { "WindowWithAnUnknownPlatform",
            { QStringLiteral("-platform"), QStringLiteral("nosuch") }, 1,
            "vennaros: cannot open a display: there is no platform plugin 'nosuch'; --print-pdf, --svg and "
            "--dxf need none.\n" }),
    [](const auto& row) { return std::string(row.param.name); });

namespace {

struct UsageRow {
    const char* name;
    /// after --print-pdf FILE unless they name the file themselves; "FIVE" and "RA" stand for
    /// settings files with 5-degree marks and the RA circle
    QStringList arguments;
    const char* message;
};

class UsageError : public ::testing::TestWithParam<UsageRow> { };

} // namespace

TEST_P(UsageError, ExitsWithTwoAndOneLineThatSaysWhatIsWrong)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    SettingsModel five;
    five.setOption(Option::FiveDeg, true);
    writeSettings(five, dir.filePath(QStringLiteral("five.txt")));
    SettingsModel ra;
    ra.setOption(Option::Ra, true);
    writeSettings(ra, dir.filePath(QStringLiteral("ra.txt")));
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(
        QRegularExpression(QStringLiteral("^FIVE$")), dir.filePath(QStringLiteral("five.txt")));
    arguments.replaceInStrings(
        QRegularExpression(QStringLiteral("^RA$")), dir.filePath(QStringLiteral("ra.txt")));
    const bool namesItsFile
        = QStringList { QStringLiteral("--print-pdf"), QStringLiteral("--svg") }.contains(arguments.first());
    const QString current = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const Outcome run = vennaros(
        namesItsFile ? arguments : QStringList { QStringLiteral("--print-pdf"), output } + arguments);
    QDir::setCurrent(current);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "nothing but the settings files";
    // One line of the program's own, whatever Qt says besides.
    const QStringList lines
        = run.err.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^vennaros: ")));
    EXPECT_EQ(lines, QStringList { QStringLiteral("vennaros: ") + QString::fromUtf8(GetParam().message) });
    EXPECT_FALSE(QFile::exists(output));
}

INSTANTIATE_TEST_SUITE_P(Lines, UsageError,
    ::testing::Values(UsageRow { "UnknownPaper",
                          { QStringLiteral("--paper"), QStringLiteral("Foo"), QStringLiteral("--altitude") },
                          "unknown paper 'Foo' (A4, Letter, A3, Legal, ...)" },
        UsageRow { "SizeWithoutUnit",
            { QStringLiteral("--size"), QStringLiteral("450"), QStringLiteral("--azimuth") },
            "--size needs a number and its unit, for example 450mm or 3.5in, not '450'." },
        UsageRow { "StrokesOnPaper", { QStringLiteral("--strokes"), QStringLiteral("--altitude") },
            "--strokes goes with --svg and --dxf: a printed page is inked in full." },
        UsageRow { "RaOnTheAltitudeCircle", { QStringLiteral("--ra"), QStringLiteral("--altitude") },
            "--ra and --decreasing go with --azimuth." },
        UsageRow { "SignedDecOnTheAzimuthCircle",
            { QStringLiteral("--signed-dec"), QStringLiteral("--azimuth") },
            "--signed-dec goes with --altitude." },
        // Options that would change nothing on the page.
        UsageRow { "BothWaysOnTheAltitudeCircle",
            { QStringLiteral("--both-ways"), QStringLiteral("--altitude") },
            "--both-ways goes with --azimuth: the altitude circle reads both ways already." },
        UsageRow { "DecreasingRa",
            { QStringLiteral("--azimuth"), QStringLiteral("--ra"), QStringLiteral("--decreasing") },
            "--decreasing goes with the azimuth circle in degrees: RA hours always increase." },
        UsageRow { "DecreasingWithRaSettings",
            { QStringLiteral("--azimuth"), QStringLiteral("--settings"), QStringLiteral("RA"),
                QStringLiteral("--decreasing") },
            "--decreasing goes with the azimuth circle in degrees; the settings ask for RA." },
        UsageRow { "HalfDegreeWithFiveDegreeMarks",
            { QStringLiteral("--altitude"), QStringLiteral("--size"), QStringLiteral("300mm"),
                QStringLiteral("--settings"), QStringLiteral("FIVE"), QStringLiteral("--half-degree") },
            "--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees." },
        UsageRow { "SizeTooLarge",
            { QStringLiteral("--azimuth"), QStringLiteral("--size"),
                QString(400, QLatin1Char('9')) + QStringLiteral("mm") },
            "--size: the number is too large." },
        // Option-like values are no file names; "-" is standard output for drawings alone.
        UsageRow { "OptionAsThePdfFile",
            { QStringLiteral("--print-pdf"), QStringLiteral("--azimuth"), QStringLiteral("--altitude") },
            "--print-pdf needs a file name: '--azimuth' starts with '-' as an option does; write such a name "
            "as ./--azimuth." },
        UsageRow { "OptionAsTheSvgFile",
            { QStringLiteral("--svg"), QStringLiteral("--azimuth"), QStringLiteral("--altitude") },
            "--svg needs a file name: '--azimuth' starts with '-' as an option does; write such a name as "
            "./--azimuth." },
        UsageRow { "OptionAsTheSettingsFile",
            { QStringLiteral("--altitude"), QStringLiteral("--settings"), QStringLiteral("-x.txt") },
            "--settings needs a file name: '-x.txt' starts with '-' as an option does; write such a name as "
            "./-x.txt." },
        UsageRow { "PdfToStandardOutput",
            { QStringLiteral("--print-pdf"), QStringLiteral("-"), QStringLiteral("--altitude") },
            "--print-pdf writes a file, not standard output: name the PDF file to write." },
        UsageRow { "ArcOfOneValue",
            { QStringLiteral("--altitude"), QStringLiteral("--arc"), QStringLiteral("90") },
            "--arc needs two values, FROM:TO, for example 0:90 or 350:10, not '90'." },
        UsageRow { "ArcOfThreeValues",
            { QStringLiteral("--altitude"), QStringLiteral("--arc"), QStringLiteral("0:45:90") },
            "--arc needs two values, FROM:TO, for example 0:90 or 350:10, not '0:45:90'." },
        UsageRow { "SettingsFromStandardInput",
            { QStringLiteral("--altitude"), QStringLiteral("--settings"), QStringLiteral("-") },
            "--settings reads a file, not standard input: name the settings file." },
        // The wrap tape: a length with its unit, at least 100 mm, what the paper splits.
        UsageRow { "TapeWithoutUnit", { QStringLiteral("--tape"), QStringLiteral("1000") },
            "Wrap tape: '1000' is not a length; give it with its unit, for example 1000mm or 40in." },
        UsageRow { "TapeTooShort", { QStringLiteral("--tape"), QStringLiteral("3.5in") },
            "Wrap tape size must be at least 4 inches" },
        UsageRow { "TapeTooLong", { QStringLiteral("--tape"), QStringLiteral("12000mm") },
            "Wrap tape max. length is 10000 mm for split strips." },
        UsageRow { "TapeTooLongForTheSplitOfA10",
            { QStringLiteral("--tape"), QStringLiteral("200mm"), QStringLiteral("--paper"),
                QStringLiteral("A10") },
            "Wrap tape max. length is 0 mm for split strips." },
        UsageRow { "TapeOfACircle",
            { QStringLiteral("--tape"), QStringLiteral("1000mm"), QStringLiteral("--azimuth") },
            "--tape goes with --print-pdf, --paper and --landscape alone." },
        UsageRow { "TapeAsADrawing",
            { QStringLiteral("--svg"), QStringLiteral("out.svg"), QStringLiteral("--tape"),
                QStringLiteral("1000mm") },
            "--tape and --proof go with --print-pdf FILE." },
        UsageRow { "TapeAndProof",
            { QStringLiteral("--tape"), QStringLiteral("1000mm"), QStringLiteral("--proof") },
            "--tape and --proof: give one of them." },
        UsageRow { "ProofOfNoCircle", { QStringLiteral("--proof") },
            "--print-pdf needs one of --altitude and --azimuth." }),
    [](const ::testing::TestParamInfo<UsageRow>& row) { return std::string(row.param.name); });

TEST(CircleSize, TakesMillimetresOrInchesWithEitherDecimalSign)
{
    const QString point = QLocale().decimalPoint();
    const struct {
        const char* typed;
        std::optional<QString> number;
        bool inches;
    } rows[] = { { "450mm", QStringLiteral("450"), false }, { "3in", QStringLiteral("3"), true },
        { "3,5in", QStringLiteral("3") + point + QStringLiteral("5"), true },
        { " 3.5 IN", QStringLiteral("3") + point + QStringLiteral("5"), true },
        { "450", std::nullopt, false }, { "mm", std::nullopt, false }, { "3.5.1in", std::nullopt, false },
        { "-3in", std::nullopt, false }, { "3 inches", std::nullopt, false } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::optional<CircleOptions> size = CircleOptions::parseSize(QString::fromUtf8(row.typed));
        ASSERT_EQ(size.has_value(), row.number.has_value());
        if (size) {
            EXPECT_EQ(size->sizeNumber, row.number);
            EXPECT_EQ(size->inches, row.inches);
        }
    }
}

TEST(CircleSize, ASplitDobsonianRingFromTheCommandLineAlone)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ring.pdf"));
    const Outcome run = vennaros({ QStringLiteral("--print-pdf"), output, QStringLiteral("--size"),
        QStringLiteral("450mm"), QStringLiteral("--split"), QStringLiteral("--azimuth"),
        QStringLiteral("--paper"), QStringLiteral("A4") });
    ASSERT_FALSE(run.crashed);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<pdfreadback::PdfPage> pages = pdfreadback::readPdfPages(output);
    ASSERT_GE(pages.size(), 1u);
    QStringList ranges;
    QString caption;
    for (const pdfreadback::PdfPage& page : pages) {
        for (const pdfreadback::TextRun& text : page.texts) {
            if (text.text.contains(QStringLiteral("\u00B0-")))
                ranges << text.text;
            if (text.text.startsWith(QStringLiteral("Azimuth Circle length = ")))
                caption = text.text;
        }
    }
    EXPECT_TRUE(caption.startsWith(QStringLiteral("Azimuth Circle length = 1413 mm, ")))
        << caption.toStdString();
    // 1413 mm over A4's 186 mm of printable width: segments of 60 or 70 degrees, all of the circle.
    ASSERT_FALSE(ranges.isEmpty());
    EXPECT_EQ(ranges.front(), QStringLiteral("0\u00B0-") + ranges.front().section(QLatin1Char('-'), 1));
    EXPECT_TRUE(ranges.back().endsWith(QStringLiteral("-360\u00B0"))) << ranges.back().toStdString();
}

struct PageOptionsRow {
    const char* name;
    QStringList options;
    /// Texts on the pages, the caption's lines run together with blanks.
    std::vector<const char*> expected;
};

class PageOptionsFromTheCommandLine : public ::testing::TestWithParam<PageOptionsRow> { };

TEST_P(PageOptionsFromTheCommandLine, TheRunPrintsWhatItsOptionsSay)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("page.pdf"));
    const Outcome run = vennaros(
        QStringList { QStringLiteral("--print-pdf"), output, QStringLiteral("--paper"), QStringLiteral("A4") }
        + GetParam().options);
    ASSERT_FALSE(run.crashed);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QString texts;
    for (const pdfreadback::PdfPage& page : pdfreadback::readPdfPages(output)) {
        for (const pdfreadback::TextRun& text : page.texts)
            texts += text.text + QLatin1Char(' ');
    }
    for (const char* expected : GetParam().expected)
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " in " << texts.toStdString();
}

INSTANTIATE_TEST_SUITE_P(CircleSize, PageOptionsFromTheCommandLine,
    ::testing::Values(
        PageOptionsRow { "RingSplitVerniersBothWaysScaleCheck",
            { QStringLiteral("--size"), QStringLiteral("450mm"), QStringLiteral("--ring"),
                QStringLiteral("--split"), QStringLiteral("--verniers"), QStringLiteral("--both-ways"),
                QStringLiteral("--scale-check"), QStringLiteral("--azimuth") },
            { "Azimuth ring diameter = 450 mm, ", "vernier 0.1\u00B0", "numbers both ways", "R = 225.0 mm",
                "100 mm" } },
        // The segments are labelled with the readings they carry, from 90 round to 90.
        PageOptionsRow { "HalfDegreesSignedDeclinationZeroAt",
            { QStringLiteral("--size"), QStringLiteral("120mm"), QStringLiteral("--split"),
                QStringLiteral("--half-degree"), QStringLiteral("--signed-dec"), QStringLiteral("--zero-at"),
                QStringLiteral("90"), QStringLiteral("--altitude") },
            { "declination Circle length = 376.8 mm, ", "half-degree marks,", "zero at 90\u00B0",
                " 90\u00B0-", "-90\u00B0 " } },
        // The tab's joint, and the assembly map a job in pieces opens with.
        PageOptionsRow { "ClosingTabSplit",
            { QStringLiteral("--size"), QStringLiteral("300mm"), QStringLiteral("--split"),
                QStringLiteral("--closing-tab"), QStringLiteral("--azimuth") },
            { " Z ", "Cut each piece on its cut line;", "Sheet 1 of 2   Azimuth 300 mm dia." } }),
    [](const auto& row) { return std::string(row.param.name); });

namespace {

struct PageOfItsOwnRow {
    const char* name;
    QStringList arguments; ///< after --print-pdf FILE
    int pages;
    const char* first; ///< a text on the first page
    const char* last; ///< a text on the last page
};

class PageOfItsOwn : public ::testing::TestWithParam<PageOfItsOwnRow> { };

} // namespace

// The tape and the proof sheet from the command line: the sheets the window would print, on the
// paper asked for.
TEST_P(PageOfItsOwn, IsWrittenOnThePaperAskedFor)
{
    const PageOfItsOwnRow& row = GetParam();
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    const Outcome run = vennaros(QStringList { QStringLiteral("--print-pdf"), output } + row.arguments);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<pdfreadback::PdfPage> pages = pdfreadback::readPdfPages(output);
    ASSERT_EQ(static_cast<int>(pages.size()), row.pages);
    const auto says = [](const pdfreadback::PdfPage& page, const char* text) {
        return std::any_of(page.texts.begin(), page.texts.end(),
            [text](const auto& t) { return t.text == QString::fromUtf8(text); });
    };
    EXPECT_TRUE(says(pages.front(), row.first)) << row.first;
    EXPECT_TRUE(says(pages.back(), row.last)) << row.last;
}

INSTANTIATE_TEST_SUITE_P(Pages, PageOfItsOwn,
    ::testing::Values(
        // 40 inches on Letter turned: a map and pieces of about 9 inches; the last one ends at 40.
        PageOfItsOwnRow { "TapeInInches",
            { QStringLiteral("--tape"), QStringLiteral("40in"), QStringLiteral("--paper"),
                QStringLiteral("Letter"), QStringLiteral("--landscape") },
            2, "Sheet 1 of 2   Wrap tape 40 in", "40" },
        // Shorter than the printable width: one sheet, no joints, its name below it.
        PageOfItsOwnRow { "ShortTapeWhole", { QStringLiteral("--tape"), QStringLiteral("150mm") }, 1,
            "Wrap tape 150 mm", "15" },
        PageOfItsOwnRow { "ProofOfTheAltitudeCircle",
            { QStringLiteral("--proof"), QStringLiteral("--altitude"), QStringLiteral("--size"),
                QStringLiteral("100mm") },
            1, "Proof sheet: Altitude 100 mm dia., samples of 40\u00B0",
            "Widths 5-5-5, Height 150, Font 14" }),
    [](const ::testing::TestParamInfo<PageOfItsOwnRow>& row) { return std::string(row.param.name); });

struct WarningRow {
    const char* name;
    QStringList options;
    const char* warning; ///< the line on standard error; "" for none
};

class NumbersTouchWarning : public ::testing::TestWithParam<WarningRow> { };

// The page is printed either way, and the run succeeds: the warning only says what would fit.
TEST_P(NumbersTouchWarning, TheRunWarnsOnStandardErrorAndSucceeds)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("page.pdf"));
    const Outcome run = vennaros(
        QStringList { QStringLiteral("--print-pdf"), output, QStringLiteral("--paper"), QStringLiteral("A4") }
        + GetParam().options);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(output));
    const QString line = QString::fromUtf8(GetParam().warning);
    EXPECT_EQ(run.err.contains(QStringLiteral("Numbers touch")), !line.isEmpty()) << run.err.toStdString();
    if (!line.isEmpty()) {
        EXPECT_TRUE(run.err.contains(line + QLatin1Char('\n'))) << run.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, NumbersTouchWarning,
    ::testing::Values(WarningRow { "Strip60",
                          { QStringLiteral("--size"), QStringLiteral("60mm"), QStringLiteral("--azimuth") },
                          "vennaros: Numbers touch: font size 8 or less fits" },
        WarningRow { "Ring60",
            { QStringLiteral("--size"), QStringLiteral("60mm"), QStringLiteral("--ring"),
                QStringLiteral("--azimuth") },
            "vennaros: Numbers touch: font size 6 or less fits" },
        WarningRow { "Ring150",
            { QStringLiteral("--size"), QStringLiteral("150mm"), QStringLiteral("--ring"),
                QStringLiteral("--azimuth") },
            "" }),
    [](const auto& row) { return std::string(row.param.name); });

struct ReadFromRow {
    const char* name;
    QStringList options;
    double angle; ///< of the baseline of "180" at the ring's bottom, degrees clockwise from the page's x
};

class RingReadFrom : public ::testing::TestWithParam<ReadFromRow> { };

// From outside, the ring's bottom reads upright on the sheet; from its centre, upside down.
TEST_P(RingReadFrom, TheOptionTurnsTheNumbersToTheRingsCentre)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ring.pdf"));
    const Outcome run
        = vennaros(QStringList { QStringLiteral("--print-pdf"), output, QStringLiteral("--paper"),
                       QStringLiteral("A4"), QStringLiteral("--ring"), QStringLiteral("--size"),
                       QStringLiteral("150mm"), QStringLiteral("--azimuth") }
            + GetParam().options);
    ASSERT_FALSE(run.crashed);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    int found = 0;
    for (const pdfreadback::TextRun& text : pdfreadback::readPdfPage(output).texts) {
        if (text.text.trimmed() != QStringLiteral("180"))
            continue;
        ++found;
        EXPECT_NEAR(std::remainder(text.angle - GetParam().angle, 360.0), 0, 0.5);
    }
    EXPECT_EQ(found, 1);
}

INSTANTIATE_TEST_SUITE_P(Sides, RingReadFrom,
    ::testing::Values(ReadFromRow { "Outside", {}, 0 },
        ReadFromRow { "Centre", { QStringLiteral("--ring-from-centre") }, 180 }),
    [](const auto& row) { return std::string(row.param.name); });

namespace {

/// A wrong range, as "Arc from" and "Arc to" in the window and as --arc on the command line.
struct ArcRefusalRow {
    const char* name;
    QStringList circle; ///< the circle's options
    QString from;
    QString to;
    const char* message; ///< the window's red status line; the command line adds "--arc: "
};

class ArcRefusal : public ::testing::TestWithParam<ArcRefusalRow> { };

} // namespace

TEST_P(ArcRefusal, TheWindowSaysWhyAndTheCommandLineExitsWithTwo)
{
    const ArcRefusalRow& row = GetParam();
    const bool azimuth = row.circle.contains(QStringLiteral("--azimuth"));
    // The window: the job of its print button refuses before anything is printed.
    SettingsModel model;
    model.setOption(Option::Ra, row.circle.contains(QStringLiteral("--ra")));
    model.setOption(Option::Az, !row.circle.contains(QStringLiteral("--ra")));
    if (row.circle.contains(QStringLiteral("--signed-dec")))
        model.setCheck(Check::SignedDec, SettingsModel::kChecked);
    model.setText(azimuth ? SizeText::Azimuth : SizeText::Altitude, QStringLiteral("250"));
    model.setOption(azimuth ? Option::Azmm : Option::Altmm, true);
    model.setText(SizeText::ArcFrom, row.from);
    model.setText(SizeText::ArcTo, row.to);
    const JobOutcome outcome = azimuth ? AzimuthPrintJob(model).check(JobSheets::noPaper())
                                       : AltitudePrintJob(model).check(JobSheets::noPaper());
    const auto* refusal = std::get_if<JobRefusal>(&outcome);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->message, QString::fromUtf8(row.message));
    EXPECT_EQ(refusal->focus, std::optional<SizeText>(SizeText::ArcFrom));

    // The command line: one line, exit 2, no file.
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    const Outcome run = vennaros(
        QStringList { QStringLiteral("--print-pdf"), output, QStringLiteral("--size"),
            QStringLiteral("250mm"), QStringLiteral("--arc"), row.from + QLatin1Char(':') + row.to }
        + row.circle);
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 2);
    const QStringList lines
        = run.err.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^vennaros: ")));
    EXPECT_EQ(lines, QStringList { QStringLiteral("vennaros: --arc: ") + QString::fromUtf8(row.message) });
    EXPECT_FALSE(QFile::exists(output));
}

INSTANTIATE_TEST_SUITE_P(Ranges, ArcRefusal,
    ::testing::Values(ArcRefusalRow { "Text", { QStringLiteral("--altitude") }, QStringLiteral("zero"),
                          QStringLiteral("90"), "Arc from and to must be numeric." },
        ArcRefusalRow { "AltitudePastTheZenith", { QStringLiteral("--altitude") }, QStringLiteral("0"),
            QStringLiteral("100"), "Arc from and to must be 0 to 90 degrees in steps of 1." },
        ArcRefusalRow { "AltitudeBelowTheHorizon", { QStringLiteral("--altitude") }, QStringLiteral("-10"),
            QStringLiteral("90"), "Arc from and to must be 0 to 90 degrees in steps of 1." },
        ArcRefusalRow { "DeclinationPastThePole",
            { QStringLiteral("--altitude"), QStringLiteral("--signed-dec") }, QStringLiteral("-95"),
            QStringLiteral("0"), "Arc from and to must be -90 to 90 degrees in steps of 1." },
        ArcRefusalRow { "BetweenTheMarks", { QStringLiteral("--azimuth") }, QStringLiteral("10.5"),
            QStringLiteral("20"), "Arc from and to must be 0 to 360 degrees in steps of 1." },
        ArcRefusalRow { "PastTheAzimuthCircle", { QStringLiteral("--azimuth") }, QStringLiteral("350"),
            QStringLiteral("370"), "Arc from and to must be 0 to 360 degrees in steps of 1." },
        ArcRefusalRow { "FromEqualToTo", { QStringLiteral("--altitude") }, QStringLiteral("30"),
            QStringLiteral("30"), "Arc from and to must be different marks." },
        ArcRefusalRow { "TheSameMarkOnceRound", { QStringLiteral("--azimuth") }, QStringLiteral("0"),
            QStringLiteral("360"), "Arc from and to must be different marks." },
        ArcRefusalRow { "RaPastTheDay", { QStringLiteral("--azimuth"), QStringLiteral("--ra") },
            QStringLiteral("18"), QStringLiteral("25"),
            "Arc from and to must be 0 to 24 hours in steps of 10 minutes." },
        ArcRefusalRow { "RaBetweenItsMarks", { QStringLiteral("--azimuth"), QStringLiteral("--ra") },
            QStringLiteral("18.1"), QStringLiteral("6"),
            "Arc from and to must be 0 to 24 hours in steps of 10 minutes." }),
    [](const ::testing::TestParamInfo<ArcRefusalRow>& row) { return std::string(row.param.name); });
