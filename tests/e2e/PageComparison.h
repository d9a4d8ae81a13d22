#pragma once

#include "ExpectedPage.h"
#include "support/PdfReadback.h"

#include <QStringList>

namespace e2e {

/// How far a read-back page may stray from the expected one, in twips.
struct Tolerance {
    /// Every position. The page reaches the file as twips written in single precision (a
    /// thousandth of a twip across the page), and text tops carry the font file's ascent rounded
    /// to a thousandth of an em (a hundredth of a twip). A tenth of a twip is one part in 140,000
    /// of an 80 mm strip: a slightly wrong conversion constant still shows at the strip's end.
    double place = 0.1;
    /// Stroke widths are whole dots of 2.4 twips, written to eight decimals.
    double strokeWidth = 0.05;
};

/// Compares a read-back page with the expected one and describes every difference; empty when
/// they agree. Segments are compared as a set (the PDF keeps each mark a stroke of its own),
/// boxes and texts in drawing order, after the page's opening blank line.
class PageComparison {
public:
    explicit PageComparison(Tolerance tolerance = {})
        : m_tolerance(tolerance)
    { }

    QStringList segments(const ExpectedPage& expected, const pdfreadback::PdfPage& actual) const;
    QStringList boxes(const ExpectedPage& expected, const pdfreadback::PdfPage& actual) const;
    QStringList texts(const ExpectedPage& expected, const pdfreadback::PdfPage& actual) const;

private:
    Tolerance m_tolerance;
};

} // namespace e2e
