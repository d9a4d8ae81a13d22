#pragma once

#include "print/job/StripInputs.h"
#include "print/page/Page.h"

#include <QStringList>
#include <functional>
#include <vector>

/// Small filters over a recorded page, so tests state what they look for.
namespace pagequery {

std::vector<PageOp> select(const Page& page, const std::function<bool(const PageOp&)>& keep);
std::vector<PageOp> strokes(const Page& page, double length);
std::vector<PageOp> boxes(const Page& page);
std::vector<PageOp> texts(const Page& page);
/// The texts that are numbers printed as 16-bit items (" 80 "), with their blanks removed.
QStringList numberTexts(const Page& page);
/// The first text op whose text is exactly this; fails the test when there is none.
PageOp text(const Page& page, const QString& wanted);

/// The lines of the page's last caption, its first line and those printed right after it at the
/// same left edge, lower each.
std::vector<PageOp> captionLines(const Page& page);
/// That caption as one line again.
QString captionText(const Page& page);

/// A strip for a circle of the given diameter in millimetres, in the widths 2-3-4 and the heights
/// 100-200-250 most drawing tests use.
StripInputs diameterStrip(double millimetres, double smallestMark);

} // namespace pagequery
