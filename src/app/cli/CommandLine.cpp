#include "app/cli/CommandLine.h"

#include "app/ProgramInfo.h"
#include "app/cli/OptionNames.h"
#include "print/job/WrapTape.h"
#include "print/page/PaperName.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <utility>

using namespace optionname;

namespace {

CommandLine failure(const QString& error)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = error;
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<QCommandLineOption> options {
        { { QStringLiteral("h"), QStringLiteral("help") }, QString() },
        { { QStringLiteral("v"), QStringLiteral("version") }, QString() },
        { kPrintPdf, QString(), QStringLiteral("FILE") },
        { kSvg, QString(), QStringLiteral("FILE") },
        { kDxf, QString(), QStringLiteral("FILE") },
        { kStrokes, QString() },
        { kSettings, QString(), QStringLiteral("SETTINGS.txt") },
        { kPaper, QString(), QStringLiteral("NAME") },
        { kLandscape, QString() },
        { kAltitude, QString() },
        { kAzimuth, QString() },
        { kTape, QString(), QStringLiteral("LENGTH") },
        { kProof, QString() },
    };
    parser.addOptions(options);
    parser.addOptions(CircleOptions::options());
    if (!parser.parse(arguments))
        return failure(parser.errorText());
    // Taking the last of two values would print to, or read, a file the user did not mean.
    QList<QCommandLineOption> every = options;
    every.append(CircleOptions::options());
    for (const QCommandLineOption& option : every) {
        qsizetype given = 0;
        for (const QString& name : parser.optionNames())
            given += option.names().contains(name) ? 1 : 0;
        if (given > 1)
            return failure(QCoreApplication::translate(
                "CommandLine", "--%1 is given %n times; give it once.", nullptr, int(given))
                               .arg(option.names().constLast()));
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                           .arg(parser.positionalArguments().first()));

    CommandLine line;
    if (parser.isSet(QStringLiteral("help"))) {
        line.action = Action::Help;
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.action = Action::Version;
        return line;
    }
    const bool pdfOption = parser.isSet(kSettings) || parser.isSet(kPaper) || parser.isSet(kLandscape)
        || parser.isSet(kAltitude) || parser.isSet(kAzimuth) || parser.isSet(kStrokes)
        || CircleOptions::anyGiven(parser);
    // The file to write: a PDF page, or a drawing for a cutter.
    QString output;
    for (const QString& name : { kPrintPdf, kSvg, kDxf }) {
        if (!parser.isSet(name))
            continue;
        if (!output.isEmpty())
            return failure(QCoreApplication::translate(
                "CommandLine", "--print-pdf, --svg and --dxf: give one of them."));
        output = name;
    }
    const bool tape = parser.isSet(kTape);
    if ((tape || parser.isSet(kProof)) && output != kPrintPdf)
        return failure(
            QCoreApplication::translate("CommandLine", "--tape and --proof go with --print-pdf FILE."));
    if (tape && parser.isSet(kProof))
        return failure(QCoreApplication::translate("CommandLine", "--tape and --proof: give one of them."));
    if (output.isEmpty()) {
        if (pdfOption)
            return failure(QCoreApplication::translate("CommandLine",
                "--settings, --paper, --landscape, --altitude, --azimuth and the circle's "
                "options go with --print-pdf FILE, --svg FILE or --dxf FILE."));
        return line;
    }
    line.action = output == kPrintPdf ? Action::PrintPdf : Action::Export;
    line.drawing = output == kDxf ? DrawingFormat::Dxf : DrawingFormat::Svg;
    if (parser.isSet(kStrokes) && output == kPrintPdf)
        return failure(QCoreApplication::translate(
            "CommandLine", "--strokes goes with --svg and --dxf: a printed page is inked in full."));
    line.style = parser.isSet(kStrokes) ? DrawingStyle::Strokes : DrawingStyle::Filled;
    line.outputFile = parser.value(output);
    line.settingsFile = parser.value(kSettings);
    line.paper = parser.value(kPaper);
    line.landscape = parser.isSet(kLandscape);
    // An option taken for the file's name would be written over or read as settings.
    for (const auto& [option, name] :
        { std::pair { output, line.outputFile }, std::pair { kSettings, line.settingsFile } }) {
        if (name == QLatin1String("-") && option == kPrintPdf)
            return failure(QCoreApplication::translate("CommandLine",
                "--print-pdf writes a file, not standard output: name the PDF file to write."));
        if (name == QLatin1String("-") && option == kSettings)
            return failure(QCoreApplication::translate(
                "CommandLine", "--settings reads a file, not standard input: name the settings file."));
        if (name.startsWith(QLatin1Char('-')) && name != QLatin1String("-"))
            return failure(QCoreApplication::translate("CommandLine",
                "--%1 needs a file name: '%2' starts with '-' as an option does; write such a name as ./%2.")
                               .arg(option, name));
    }
    if (line.action == Action::Export && (parser.isSet(kPaper) || parser.isSet(kLandscape)))
        return failure(QCoreApplication::translate(
            "CommandLine", "--paper and --landscape go with --print-pdf: a drawing has no paper."));
    // What only a printed page has; a drawing would be written as if it had not been asked for.
    if (line.action == Action::Export) {
        const std::pair<QString, const char*> pageOnly[] = {
            { QStringLiteral("split"),
                QT_TRANSLATE_NOOP(
                    "CommandLine", "--split goes with --print-pdf: a drawing is never split.") },
            { QStringLiteral("scale-check"),
                QT_TRANSLATE_NOOP("CommandLine",
                    "--scale-check goes with --print-pdf: a drawing has no scale check bars.") },
            { QStringLiteral("closing-tab"),
                QT_TRANSLATE_NOOP(
                    "CommandLine", "--closing-tab goes with --print-pdf: a drawing has no closing tab.") },
        };
        for (const auto& [option, message] : pageOnly) {
            if (parser.isSet(option))
                return failure(QCoreApplication::translate("CommandLine", message));
        }
    }
    if (tape) {
        // The tape is no circle: it has its length and the paper, nothing else.
        if (parser.isSet(kSettings) || parser.isSet(kAltitude) || parser.isSet(kAzimuth)
            || CircleOptions::anyGiven(parser))
            return failure(QCoreApplication::translate(
                "CommandLine", "--tape goes with --print-pdf, --paper and --landscape alone."));
        const std::variant<QString, TapeLength> length = TapeLength::read(parser.value(kTape));
        if (const auto* error = std::get_if<QString>(&length))
            return failure(*error);
        line.tape = parser.value(kTape);
    }
    line.proof = parser.isSet(kProof);
    if (!tape && parser.isSet(kAltitude) == parser.isSet(kAzimuth))
        return failure(
            QCoreApplication::translate("CommandLine", "--%1 needs one of --altitude and --azimuth.")
                .arg(output));
    line.azimuth = parser.isSet(kAzimuth);
    if (line.outputFile.isEmpty())
        return failure(line.action == Action::PrintPdf
                ? QCoreApplication::translate(
                    "CommandLine", "--print-pdf needs the name of the PDF file to write.")
                : QCoreApplication::translate(
                    "CommandLine", "--%1 needs the name of the drawing file to write.")
                      .arg(output));
    if (parser.isSet(kSettings) && line.settingsFile.isEmpty())
        return failure(
            QCoreApplication::translate("CommandLine", "--settings needs the name of a settings file."));
    if (parser.isSet(kPaper) && line.paper.isEmpty())
        return failure(QCoreApplication::translate(
            "CommandLine", "--paper needs the name of a paper size, for example A4."));
    if (parser.isSet(kPaper) && !paperNamed(line.paper))
        return failure(
            QCoreApplication::translate("CommandLine", "unknown paper '%1' (A4, Letter, A3, Legal, ...)")
                .arg(line.paper));
    if (parser.isSet(kAltitude) && parser.isSet(QStringLiteral("both-ways")))
        return failure(QCoreApplication::translate(
            "CommandLine", "--both-ways goes with --azimuth: the altitude circle reads both ways already."));
    QString circleError;
    line.circle = CircleOptions::read(parser, line.azimuth, circleError);
    if (!circleError.isEmpty())
        return failure(circleError);
    return line;
}

namespace {

// One entry a line of --help: a new option is one new text to translate.
struct HelpEntry {
    const char* option;
    const char* text; ///< its lines after the first indented under the first
};

constexpr HelpEntry kHelpEntries[] = {
    { "--help", QT_TRANSLATE_NOOP("CommandLine", "print this text and exit") },
    { "--version", QT_TRANSLATE_NOOP("CommandLine", "print the name and version and exit") },
    { "--print-pdf FILE",
        QT_TRANSLATE_NOOP("CommandLine",
            "print the page a print button would print to the PDF file FILE,\nwithout a window") },
    { "--svg FILE",
        QT_TRANSLATE_NOOP("CommandLine",
            "the whole strip or ring as an SVG drawing for a laser or vinyl\ncutter, at its true size in "
            "millimetres, never split;\nFILE - writes it to standard output") },
    { "--dxf FILE", QT_TRANSLATE_NOOP("CommandLine", "the same as a DXF drawing") },
    { "--strokes",
        QT_TRANSLATE_NOOP("CommandLine",
            "with --svg or --dxf: marks as single lines and texts in a\nsingle-stroke font, for vector "
            "lasers, pen plotters and drag\nknives (default: filled outlines)") },
    { "--settings SETTINGS.txt",
        QT_TRANSLATE_NOOP("CommandLine", "a settings file saved with \"Save\", restored over the defaults") },
    { "--paper NAME",
        QT_TRANSLATE_NOOP("CommandLine",
            "the paper, for example A4, Letter, A3 or Legal (default: the\nbuilt-in PDF printer's paper)") },
    { "--landscape", QT_TRANSLATE_NOOP("CommandLine", "the paper turned to landscape") },
    { "--altitude", QT_TRANSLATE_NOOP("CommandLine", "the altitude circle (\"Print Alt.\")") },
    { "--azimuth",
        QT_TRANSLATE_NOOP("CommandLine",
            "the azimuth or RA circle, as the settings say (\"Print Az.\" or\n\"Print RA\")") },
    { "--size VALUE",
        QT_TRANSLATE_NOOP("CommandLine",
            "the circle's size with its unit: 450mm, 3in, 3.5in or 3,5in; a\ndiameter (dia.) unless "
            "--length") },
    { "--length", QT_TRANSLATE_NOOP("CommandLine", "the size is the strip's length (len.)") },
    { "--ra", QT_TRANSLATE_NOOP("CommandLine", "the RA circle instead of the azimuth circle") },
    { "--decreasing",
        QT_TRANSLATE_NOOP(
            "CommandLine", "azimuth numbers decreasing from left to right (\"Az L>R +\" clear)") },
    { "--split",
        QT_TRANSLATE_NOOP("CommandLine",
            "split a strip longer than the paper over pages, a ring larger\nthan the printable area into "
            "sectors") },
    { "--ring",
        QT_TRANSLATE_NOOP("CommandLine",
            "print the circle as a flat ring instead of a strip; its size is\nthe ring's outer diameter, or "
            "with "
            "--length its circumference") },
    { "--verniers",
        QT_TRANSLATE_NOOP("CommandLine", "a vernier below each strip or ring (\"Print verniers\")") },
    { "--both-ways",
        QT_TRANSLATE_NOOP(
            "CommandLine", "a second number row counting the other way (\"Numbers both ways\")") },
    { "--scale-check",
        QT_TRANSLATE_NOOP("CommandLine", "the scale check bars below the page (\"Print scale check\")") },
    { "--half-degree",
        QT_TRANSLATE_NOOP("CommandLine", "a mark at every half degree (every 5 minutes on RA)") },
    { "--signed-dec",
        QT_TRANSLATE_NOOP("CommandLine", "altitude numbers signed as declination: 90 ... 0 ... -90") },
    { "--zero-at N",
        QT_TRANSLATE_NOOP("CommandLine", "the strip starts at the reading N degrees (RA: its hours)") },
    { "--closing-tab",
        QT_TRANSLATE_NOOP("CommandLine",
            "the strip's first long division again after its end, to close\n"
            "the wrapped strip mark over mark (\"Closing tab\")") },
    { "--ring-from-centre",
        QT_TRANSLATE_NOOP("CommandLine",
            "a ring's numbers upright as read from its centre, for a disc, not\n"
            "from outside it (\"Ring read from its centre\")") },
    { "--arc FROM:TO",
        QT_TRANSLATE_NOOP("CommandLine",
            "only the arc from the mark FROM to the mark TO, in the circle's\n"
            "numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)") },
    { "", QT_TRANSLATE_NOOP("CommandLine", "These fifteen override the settings file.") },
    { "--tape LENGTH",
        QT_TRANSLATE_NOOP("CommandLine",
            "a wrap tape of that length (1000mm, 40in) ticked every millimetre\n"
            "(1/20 in), to measure an axis in the printer's own millimetres") },
    { "--proof",
        QT_TRANSLATE_NOOP("CommandLine",
            "a proof sheet: samples of the circle's graduation in every mark\n"
            "width, height and font size, to choose a circle set by trying") },
};

constexpr qsizetype kHelpOptionWidth = 25; // the texts start in column 27

} // namespace

QString CommandLine::helpText()
{
    // The synopsis is the command line's own language; only its heading is translated, and the
    // lines under it follow the heading's width.
    const QString usage = QCoreApplication::translate("CommandLine", "Usage:");
    QString synopsis = QStringLiteral(
        "vennaros\n"
        "       vennaros --help | --version\n"
        "       vennaros --print-pdf FILE [--settings SETTINGS.txt] [--paper NAME] [--landscape]\n"
        "                [--size VALUE [--length]] [--split] [--ring] [--verniers] [--both-ways]\n"
        "                [--scale-check] [--half-degree] [--zero-at N] [--closing-tab]\n"
        "                [--ring-from-centre] [--arc FROM:TO]\n"
        "                (--altitude [--signed-dec] | --azimuth [--ra] [--decreasing])\n"
        "       vennaros (--svg FILE | --dxf FILE) [--strokes] [--settings SETTINGS.txt]\n"
        "                [--size VALUE [--length]] [--ring] [--verniers] [--both-ways] [--half-degree]\n"
        "                [--ring-from-centre] [--arc FROM:TO]\n"
        "                [--zero-at N] (--altitude [--signed-dec] | --azimuth [--ra] [--decreasing])\n"
        "       vennaros --print-pdf FILE --tape LENGTH [--paper NAME] [--landscape]\n"
        "       vennaros --print-pdf FILE --proof [--settings SETTINGS.txt] [--paper NAME]\n"
        "                [--landscape] [--size VALUE [--length]] (--altitude | --azimuth [--ra])\n");
    const qsizetype shift = usage.size() - qsizetype(6);
    QStringList lines = synopsis.split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        if (shift > 0)
            lines[i].prepend(QString(shift, QLatin1Char(' ')));
        else if (lines[i].startsWith(QString(-shift, QLatin1Char(' '))))
            lines[i].remove(0, -shift);
    }
    synopsis = lines.join(QLatin1Char('\n'));
    QString text = usage + QLatin1Char(' ') + synopsis + QLatin1Char('\n') + programinfo::purpose()
        + QLatin1Char('\n')
        + QCoreApplication::translate("CommandLine", "Without options it opens its window.")
        + QStringLiteral("\n\n");
    const QString indent(kHelpOptionWidth + 2, QLatin1Char(' '));
    for (const HelpEntry& entry : kHelpEntries) {
        const QStringList textLines
            = QCoreApplication::translate("CommandLine", entry.text).split(QLatin1Char('\n'));
        text += entry.option[0] == '\0'
            ? indent
            : QStringLiteral("  ") + QString::fromLatin1(entry.option).leftJustified(kHelpOptionWidth);
        text += textLines.join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
    }
    return text
        + QCoreApplication::translate("CommandLine",
            "\nExit status: 0 when the file was written, 1 when the job refused or failed (the reason on\n"
            "standard error, no file written), 2 for a wrong command line.\n"
            "See also: man vennaros\n");
}

QString CommandLine::versionText()
{
    return programinfo::name() + QLatin1Char(' ') + programinfo::version() + QLatin1Char('\n');
}
