#pragma once

struct CommandLine;
class QTextStream;

/// vennaros --print-pdf, --svg and --dxf: the window's print job for a settings file, on a PDF file
/// instead of a printer or as a drawing for a cutter, without a window. Needs a QGuiApplication (the
/// page measures its text with the real font).
namespace filecommand {

/// 0 when the page was written; 1 with the reason on errors when nothing was.
int run(const CommandLine& line, QTextStream& errors);

} // namespace filecommand
