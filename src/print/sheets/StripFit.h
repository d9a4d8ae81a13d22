#pragma once

#include "print/sheets/SheetFormat.h"

/// When a strip fits a sheet. A strip is measured as printed: its length drawn times the printer's
/// correction along it; it starts `left` twips into the printable area. Lengths in twips as drawn.
namespace stripfit {

/// The printable stretch a split strip keeps free beside its two divisions, for the numbers that
/// overhang its ends and its segment labels: far more than they need.
constexpr double kSplitReserve = 720;

/// The strip as printed is no longer than the paper is wide.
bool fitsPageWidth(double lengthTw, const SheetFormat& format);
/// The longest strip that does.
double maximumForPageWidth(const SheetFormat& format);

/// The strip as printed, `tail` twips of numbers and labels beyond its right end included, ends
/// inside the printable area.
bool fitsPrintableWidth(double lengthTw, double left, const SheetFormat& format, double tail = 0);
/// The longest strip that does: (printable width - left) / factor.
double maximumForPrintableWidth(double left, const SheetFormat& format);

/// The longest strip that can be split into segments of at least two of its `divisions` each, so
/// that consecutive segments overlap by one division and still advance.
double maximumForSplit(double left, int divisions, const SheetFormat& format);

} // namespace stripfit
