#include "app/CommandLine.h"

#include "app/PdfCommand.h"
#include "app/ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString kPrintPdf = QStringLiteral("print-pdf");
const QString kSvg = QStringLiteral("svg");
const QString kDxf = QStringLiteral("dxf");
const QString kSettings = QStringLiteral("settings");
const QString kPaper = QStringLiteral("paper");
const QString kLandscape = QStringLiteral("landscape");
const QString kAltitude = QStringLiteral("altitude");
const QString kAzimuth = QStringLiteral("azimuth");

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
        { kSettings, QString(), QStringLiteral("SETTINGS.txt") },
        { kPaper, QString(), QStringLiteral("NAME") },
        { kLandscape, QString() },
        { kAltitude, QString() },
        { kAzimuth, QString() },
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
            return failure(QCoreApplication::translate("CommandLine", "--%1 is given %2 times; give it once.")
                               .arg(option.names().constLast(), QString::number(given)));
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
        || parser.isSet(kAltitude) || parser.isSet(kAzimuth) || CircleOptions::anyGiven(parser);
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
    if (output.isEmpty()) {
        if (pdfOption)
            return failure(QCoreApplication::translate("CommandLine",
                "--settings, --paper, --landscape, --altitude, --azimuth and the circle's "
                "options go with --print-pdf FILE, --svg FILE or --dxf FILE."));
        return line;
    }
    line.action = output == kPrintPdf ? Action::PrintPdf : Action::Export;
    line.drawing = output == kDxf ? DrawingFormat::Dxf : DrawingFormat::Svg;
    line.pdfFile = parser.value(output);
    line.settingsFile = parser.value(kSettings);
    line.paper = parser.value(kPaper);
    line.landscape = parser.isSet(kLandscape);
    if (line.action == Action::Export && (parser.isSet(kPaper) || parser.isSet(kLandscape)))
        return failure(QCoreApplication::translate(
            "CommandLine", "--paper and --landscape go with --print-pdf: a drawing has no paper."));
    if (parser.isSet(kAltitude) == parser.isSet(kAzimuth))
        return failure(
            QCoreApplication::translate("CommandLine", "--%1 needs one of --altitude and --azimuth.")
                .arg(output));
    line.azimuth = parser.isSet(kAzimuth);
    if (line.pdfFile.isEmpty())
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
    if (parser.isSet(kPaper) && !pdfcommand::paperNamed(line.paper))
        return failure(
            QCoreApplication::translate("CommandLine", "unknown paper '%1' (A4, Letter, A3, Legal, ...)")
                .arg(line.paper));
    QString circleError;
    line.circle = CircleOptions::read(parser, line.azimuth, circleError);
    if (!circleError.isEmpty())
        return failure(circleError);
    return line;
}

QString CommandLine::helpText()
{
    return QCoreApplication::translate("CommandLine",
               "Usage: vennaros\n"
               "       vennaros --help | --version\n"
               "       vennaros --print-pdf FILE [--settings SETTINGS.txt] [--paper NAME] [--landscape]\n"
               "                [--size VALUE [--length]] [--split] [--ring] [--verniers] [--both-ways]\n"
               "                [--scale-check] [--half-degree] [--zero-at N]\n"
               "                (--altitude [--signed-dec] | --azimuth [--ra] [--decreasing])\n"
               "       vennaros (--svg FILE | --dxf FILE) [--settings SETTINGS.txt] [--size VALUE\n"
               "                [--length]] [--ring] [--verniers] [--both-ways] [--half-degree]\n"
               "                [--zero-at N] (--altitude [--signed-dec] | --azimuth [--ra] [--decreasing])\n"
               "\n")
        + programinfo::purpose()
        + QCoreApplication::translate("CommandLine",
            "\n"
            "Without options it opens its window.\n"
            "\n"
            "  --help                   print this text and exit\n"
            "  --version                print the name and version and exit\n"
            "  --print-pdf FILE         print the page a print button would print to the PDF file FILE,\n"
            "                           without a window\n"
            "  --svg FILE               the whole strip or ring as an SVG drawing for a laser or vinyl\n"
            "                           cutter, at its true size in millimetres, never split\n"
            "  --dxf FILE               the same as a DXF drawing\n"
            "  --settings SETTINGS.txt  a settings file saved with \"Save\", restored over the defaults\n"
            "  --paper NAME             the paper, for example A4, Letter, A3 or Legal (default: the\n"
            "                           built-in PDF printer's paper)\n"
            "  --landscape              the paper turned to landscape\n"
            "  --altitude               the altitude circle (\"Print Alt.\")\n"
            "  --azimuth                the azimuth or RA circle, as the settings say (\"Print Az.\" or\n"
            "                           \"Print RA\")\n"
            "  --size VALUE             the circle's size with its unit: 450mm, 3in, 3.5in or 3,5in; a\n"
            "                           diameter (dia.) unless --length\n"
            "  --length                 the size is the strip's length (len.)\n"
            "  --ra                     the RA circle instead of the azimuth circle\n"
            "  --decreasing             azimuth numbers decreasing from left to right (\"Az L>R +\" clear)\n"
            "  --split                  split a strip longer than the paper over pages, a ring larger\n"
            "                           than the printable area into sectors\n"
            "  --ring                   print the circle as a flat ring instead of a strip; its size is\n"
            "                           the ring's outer diameter, or with --length its circumference\n"
            "  --verniers               a vernier below each strip or ring (\"Print verniers\")\n"
            "  --both-ways              a second number row counting the other way (\"Numbers both ways\")\n"
            "  --scale-check            the scale check bars below the page (\"Print scale check\")\n"
            "  --half-degree            a mark at every half degree (every 5 minutes on RA)\n"
            "  --signed-dec             altitude numbers signed as declination: 90 ... 0 ... -90\n"
            "  --zero-at N              the strip starts at the reading N degrees (RA: its hours)\n"
            "                           These twelve override the settings file.\n"
            "\n"
            "Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on\n"
            "standard error, no file written), 2 for a wrong command line.\n"
            "See also: man vennaros\n");
}

QString CommandLine::versionText()
{
    return programinfo::name() + QLatin1Char(' ') + programinfo::version() + QLatin1Char('\n');
}
