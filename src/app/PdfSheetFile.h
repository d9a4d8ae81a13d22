#pragma once

#include "print/surface/Page.h"
#include "print/surface/PaperFormat.h"

#include <QString>
#include <vector>

/// Writes sheets to a PDF file on the given paper, one sheet per page drawn from the printable
/// area's top-left, whole or not at all: a file that can't be completed leaves whatever was at the
/// path before.
namespace pdfsheetfile {

/// Throws RuntimeError 482 when the file can't be written; reason then says why.
void write(const QString& path, const PaperFormat& paper, const std::vector<Page>& sheets, QString& reason);

} // namespace pdfsheetfile
