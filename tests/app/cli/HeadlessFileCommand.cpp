// The file commands as a program of their own, linked with the command line's library alone: what
// it needs is what the headless path needs.
#include "app/cli/CommandLine.h"
#include "app/cli/FileCommand.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QTextStream errors(stderr);
    const CommandLine line = CommandLine::parse(QCoreApplication::arguments());
    if (line.action != CommandLine::Action::PrintPdf && line.action != CommandLine::Action::Export) {
        errors << line.error << '\n';
        return CommandLine::kUsageError;
    }
    return filecommand::run(line, errors);
}
