#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QtGlobal>

class QPageLayout;

enum class PageOrientation { Portrait, Landscape };

/// The paper a document is printed on, as the page is oriented, in twips: its full size as the paper
/// size is defined (A4 11906 x 16838, Letter 12240 x 15840) and the margins of the printable area,
/// whose top-left corner is the page's origin.
struct PaperFormat {
    /// A quarter inch, the border most laser and inkjet printers can't print on.
    static constexpr double kMarginTwips = 360.0;

    QPageSize size = QPageSize(QPageSize::A4);
    PageOrientation orientation = PageOrientation::Portrait;
    qint32 width = 11906; ///< across the page: the width a strip is checked against
    qint32 height = 16838;
    QMarginsF margins { kMarginTwips, kMarginTwips, kMarginTwips, kMarginTwips };

    /// The paper of a page layout (its size, orientation and margins). Throws RuntimeError 482 for a
    /// size that has no usable definition.
    static PaperFormat of(const QPageLayout& layout);
    /// The paper size turned as asked, with the program's margins, or the larger ones the printer
    /// asks for.
    static PaperFormat of(
        const QPageSize& size, PageOrientation orientation, const QMarginsF& minimumMargins = QMarginsF());

    double printableWidth() const { return width - margins.left() - margins.right(); }
    double printableHeight() const { return height - margins.top() - margins.bottom(); }
    /// The layout a Qt paint device is given for this paper (margins in points).
    QPageLayout pageLayout() const;
};
