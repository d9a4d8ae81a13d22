#pragma once

#include <QString>
#include <QStringList>

/// Where the installed user guide (a Markdown document with its pictures) is found at run time.
namespace userguide {

/// The guide's file name within its folder.
constexpr auto kFileName = "user-guide.md";

/// The folders searched, best first: beside the program's installation prefix, the system's data
/// folders, and the build tree the program was built in.
QStringList searchFolders();
/// The guide's path, or an empty text when it isn't installed.
QString locate(const QStringList& folders = searchFolders());

} // namespace userguide
