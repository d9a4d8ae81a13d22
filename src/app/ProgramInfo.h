#pragma once

#include <QString>

/// The program's name, version and purpose as the About box, --help and --version give them.
namespace programinfo {

QString name();
/// "3.2", the project's version.
QString version();
/// One line on what the program does.
QString purpose();
/// The project's home page; empty when the build was given none.
QString homePage();
/// Where faults are reported; empty when the build was given no home page.
QString bugReports();
/// The licence's name and copyright line.
QString licence();
/// The full licence text (LICENSE), compiled in.
QString licenceText();

} // namespace programinfo
