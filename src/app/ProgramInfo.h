#pragma once

#include <QString>

/// The program's name, version and purpose as the About box, --help and --version give them.
namespace programinfo {

QString name();
/// "3.2", the project's version.
QString version();
/// One line on what the program does.
QString purpose();
/// The licence's name and copyright line.
QString licence();
/// The full licence text (LICENSE), compiled in.
QString licenceText();

} // namespace programinfo
