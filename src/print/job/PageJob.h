#pragma once

#include "print/sheets/SheetFormat.h"

#include <QString>
#include <variant>

class PrintSurface;

/// A page of its own that is no circle's strips (the wrap tape, the proof sheet): checked against
/// the sheets, then drawn in twips on the document the output opens, which lays it out as a job's.
class PageJob {
public:
    virtual ~PageJob() = default;

    /// Why the page can't be printed on these sheets, or how the sheets are to take it.
    virtual std::variant<QString, SheetRequest> check(const SheetFormat& format) const = 0;
    /// Draws the page and ends the document. Throws what the surface throws.
    virtual void draw(PrintSurface& surface, const SheetRequest& request) const = 0;
};
