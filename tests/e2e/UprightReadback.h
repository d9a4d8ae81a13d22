#pragma once

#include "support/PdfReadback.h"

#include <QString>

namespace e2e {

/// A printed sheet read back in the frame of the page that was drawn on it, in twips from the
/// printable area's top-left.
struct UprightPage {
    pdfreadback::PdfPage page;
    bool turned = false; ///< the sheet is portrait and carried the landscape page a quarter turned
};

/// Reads the first page of the PDF file a print queue wrote; throws std::runtime_error when the
/// file can't be read.
UprightPage readUprightPage(const QString& path, double originX = PaperFormat::kMarginTwips,
    double originY = PaperFormat::kMarginTwips);

} // namespace e2e
