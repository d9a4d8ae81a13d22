#include "app/cli/FileCommand.h"

#include "app/cli/CommandLine.h"
#include "app/output/ExportFileJobHost.h"
#include "app/output/PdfFileJobHost.h"
#include "common/FileTarget.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "print/job/JobSettings.h"
#include "print/job/ProofSheet.h"
#include "print/job/WrapTape.h"
#include "print/page/PaperName.h"
#include "print/sheets/NumberSpacing.h"
#include "settings/SettingsFileFormat.h"
#include "settings/StatusLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <exception>
#include <sys/stat.h>

namespace filecommand {

namespace {

/// Restores the file's lines over the settings; false with the reason when it can't be read.
bool restoreSettings(SettingsModel& model, const QString& path, QTextStream& errors)
{
    // Looked at first: opening a pipe would wait for a writer.
    const FileTarget target = FileTarget::of(path);
    QFile file(path);
    if (target.isSpecial() || !file.open(QIODevice::ReadOnly)) {
        errors
            << QCoreApplication::translate("FileCommand", "vennaros: cannot read the settings file '%1': %2")
                   .arg(path,
                       target.isSpecial()
                           ? QCoreApplication::translate("FileCommand", "it is %1").arg(target.description())
                           : file.errorString())
            << '\n';
        return false;
    }
    int failingLine = 0;
    const int count = SettingsFileFormat::restore(model, file, &failingLine);
    if (failingLine > 0 || count < SettingsFileFormat::kLineCount)
        errors << "vennaros: " << SettingsFileFormat::stopMessage(path, count, failingLine) << ' '
               << QCoreApplication::translate("FileCommand", "The others keep their defaults.") << '\n';
    return true;
}

// Both names lead to one file (through links and other spellings too).
bool sameFile(const QString& first, const QString& second)
{
    struct stat a { };
    struct stat b { };
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

/// The wrap tape to the PDF file: a length the paper can't take is a wrong command line.
int printTape(const CommandLine& line, const std::optional<QPageSize>& paper, QTextStream& errors)
{
    const std::variant<QString, TapeLength> length = TapeLength::read(line.tape);
    if (const auto* error = std::get_if<QString>(&length)) {
        errors << "vennaros: " << *error << '\n';
        return CommandLine::kUsageError;
    }
    const WrapTape tape(std::get<TapeLength>(length));
    try {
        PdfFileJobHost host(
            line.outputFile, line.landscape ? PageOrientation::Landscape : PageOrientation::Portrait, paper);
        StatusLine status;
        if (const auto refusal = tape.check(host.sheets().format());
            std::holds_alternative<QString>(refusal)) {
            errors << "vennaros: " << std::get<QString>(refusal) << '\n';
            return CommandLine::kUsageError;
        }
        if (runPageJob(tape, JobCaller { status, nullptr, nullptr, nullptr }, host) && host.written())
            return 0;
        errors << status.text() << '\n';
        if (!host.writeError().isEmpty())
            errors << QCoreApplication::translate("FileCommand", "vennaros: cannot write '%1': %2")
                          .arg(line.outputFile, host.writeError())
                   << '\n';
    } catch (const std::exception& error) {
        errors << "vennaros: " << error.what() << '\n';
    }
    return 1;
}

} // namespace

int run(const CommandLine& line, QTextStream& errors)
{
    std::optional<QPageSize> paper;
    if (!line.paper.isEmpty()) {
        paper = paperNamed(line.paper);
        if (!paper) {
            errors << "vennaros: "
                   << QCoreApplication::translate(
                          "CommandLine", "unknown paper '%1' (A4, Letter, A3, Legal, ...)")
                          .arg(line.paper)
                   << '\n';
            return 1;
        }
    }

    if (!line.tape.isEmpty())
        return printTape(line, paper, errors);

    if (!line.settingsFile.isEmpty() && line.outputFile != QLatin1String(ExportFileJobHost::kStandardOutput)
        && sameFile(line.outputFile, line.settingsFile)) {
        errors << QCoreApplication::translate("FileCommand", "vennaros: cannot write '%1': %2")
                      .arg(line.outputFile,
                          QCoreApplication::translate("FileCommand", "it is the settings file"))
               << '\n';
        return 1;
    }

    if (line.action == CommandLine::Action::Export && line.style == DrawingStyle::Strokes) {
        const QString missing = ExportFileJobHost::strokesUnavailable();
        if (!missing.isEmpty()) {
            errors << "vennaros: " << missing << '\n';
            return 1;
        }
    }

    SettingsModel model;
    if (!line.settingsFile.isEmpty() && !restoreSettings(model, line.settingsFile, errors))
        return 1;
    line.circle.applyTo(model, line.azimuth);
    // Options the settings file makes meaningless: the page would be the same without them.
    QString meaningless;
    if (line.circle.halfDegree && model.option(Option::FiveDeg))
        meaningless = QCoreApplication::translate("FileCommand",
            "--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.");
    else if (line.azimuth && line.circle.decreasing && model.option(Option::Ra))
        meaningless = QCoreApplication::translate(
            "FileCommand", "--decreasing goes with the azimuth circle in degrees; the settings ask for RA.");
    // A wrong range is the command line's: the window's boxes could not hold it either.
    if (line.circle.arc) {
        const JobSettings job
            = JobSettings::read(model, line.azimuth ? SizeText::Azimuth : SizeText::Altitude);
        if (const auto* refusal = std::get_if<QString>(&job.arc))
            meaningless = QStringLiteral("--arc: ") + *refusal;
    }
    if (!meaningless.isEmpty()) {
        errors << "vennaros: " << meaningless << '\n';
        return CommandLine::kUsageError;
    }

    const JobCaller caller { model.status(), nullptr, nullptr, nullptr };
    const auto print = [&](JobOutput& output) {
        if (line.azimuth)
            runJob(AzimuthPrintJob(model), caller, output);
        else
            runJob(AltitudePrintJob(model), caller, output);
    };
    try {
        bool written = false;
        QString writeError;
        int numbersFit = 0;
        if (line.proof) {
            PdfFileJobHost host(line.outputFile,
                line.landscape ? PageOrientation::Landscape : PageOrientation::Portrait, paper);
            const ProofSheet proof(
                line.azimuth ? AzimuthPrintJob(model).circle() : AltitudePrintJob(model).circle());
            runPageJob(proof, caller, host);
            written = host.written();
            writeError = host.writeError();
        } else if (line.action == CommandLine::Action::Export) {
            ExportFileJobHost host(line.outputFile, line.drawing, line.style);
            print(host);
            written = host.written();
            writeError = host.writeError();
        } else {
            PdfFileJobHost host(line.outputFile,
                line.landscape ? PageOrientation::Landscape : PageOrientation::Portrait, paper);
            print(host);
            written = host.written();
            writeError = host.writeError();
            numbersFit = host.numbersFit();
        }
        // The page is printed as asked; the user decides whether to print smaller numbers.
        if (written && numbersFit > 0)
            errors << "vennaros: " << numberspacing::warning(numbersFit) << '\n';
        if (written)
            return 0;
        const QString status = model.status().text();
        if (status.isEmpty())
            errors << QCoreApplication::translate(
                "FileCommand", "Nothing was printed: the size is empty or no circle set is enabled.")
                   << '\n';
        else
            errors << status << '\n';
        if (!writeError.isEmpty())
            errors << QCoreApplication::translate("FileCommand", "vennaros: cannot write '%1': %2")
                          .arg(line.outputFile, writeError)
                   << '\n';
    } catch (const std::exception& error) {
        errors << "vennaros: " << error.what() << '\n';
    }
    return 1;
}

} // namespace filecommand
