#include "print/sheets/StripFit.h"

#include <algorithm>

namespace stripfit {

bool fitsPageWidth(double lengthTw, const SheetFormat& format)
{
    return lengthTw * format.factorAcross() <= format.paper.width;
}

double maximumForPageWidth(const SheetFormat& format)
{
    return format.paper.width / format.factorAcross();
}

bool fitsPrintableWidth(double lengthTw, double left, const SheetFormat& format, double tail)
{
    return left + (lengthTw + tail) * format.factorAcross() <= format.paper.printableWidth();
}

double maximumForPrintableWidth(double left, const SheetFormat& format)
{
    // A paper too small for any strip has no room at all, not a negative one.
    return std::max(0.0, (format.paper.printableWidth() - left) / format.factorAcross());
}

double maximumForSplit(double left, int divisions, const SheetFormat& format)
{
    return std::max(0.0,
        divisions * (format.paper.printableWidth() - left - kSplitReserve) / (2 * format.factorAcross()));
}

} // namespace stripfit
