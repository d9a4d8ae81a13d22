#pragma once

#include "app/cli/CircleOptions.h"
#include "print/render/DrawingFormat.h"

#include <QString>
#include <QStringList>

/// The program's command line: what to do and the options of the PDF command.
struct CommandLine {
    enum class Action { Window, Help, Version, PrintPdf, Export, Error };
    /// Exit status of a command line that can't be understood.
    static constexpr int kUsageError = 2;

    Action action = Action::Window;
    QString error; ///< what is wrong, for Action::Error
    QString outputFile; ///< the PDF file for PrintPdf, the drawing's file for Export
    DrawingFormat drawing = DrawingFormat::Svg; ///< for Export
    DrawingStyle style = DrawingStyle::Filled; ///< for Export
    QString settingsFile; ///< empty: the default settings
    QString paper; ///< empty: the built-in PDF printer's paper
    bool landscape = false;
    bool azimuth = false; ///< otherwise the altitude circle
    CircleOptions circle; ///< over the settings file's
    QString tape; ///< the wrap tape's length as given; empty: no tape
    bool proof = false; ///< the proof sheet of the circle's graduation instead of its strips

    /// arguments as the program got them, its own name first.
    static CommandLine parse(const QStringList& arguments);
    static QString helpText();
    static QString versionText();
};
