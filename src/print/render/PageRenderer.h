#pragma once

#include "print/page/Page.h"

#include <QPointF>

class QPainter;

/// Draws a recorded page on an active painter (a printer or a PDF writer), in twips from the
/// top-left of the printable area. Stroke widths are dots of a 600 dpi printer, whatever the
/// device's own resolution, so a page looks the same on every printer and in a PDF file.
class PageRenderer {
public:
    /// painter must be active on a device of deviceDpi dots per inch with its origin at the
    /// printable area, or at `origin` device dots from it (a preview drawing only the part in
    /// view); the renderer scales it so that one unit is one twip.
    PageRenderer(QPainter& painter, int deviceDpi, QPointF origin = {});

    /// Draws the page with its scale correction.
    void draw(const Page& page);

private:
    void stroke(const PageOp& op);
    void filledBox(const PageOp& op);
    void text(const PageOp& op);
    void circular(const PageOp& op);

    QPainter& m_painter;
};
