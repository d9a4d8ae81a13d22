#pragma once

#include "print/page/Page.h"
#include "print/page/PrintSurface.h"
#include "print/page/TextMetrics.h"
#include "print/sheets/SheetFormat.h"

#include <functional>
#include <memory>
#include <vector>

/// Where the sheets of an ended document go: a printer, the preview, a file.
using SheetSink = std::function<void(const std::vector<Page>& sheets)>;

/// The sheets a job's page is printed on. The one place between the page a job draws and the paper:
/// - a page whose strips fit is one sheet, as drawn;
/// - with splitting asked for, a strip longer than the printable width becomes segments, one row
///   each, and every row of the page goes on the sheets in order, a new sheet where the next row
///   would cross the printable area's bottom;
/// - the scale check follows the page's last row, on a sheet of its own if it doesn't fit there;
/// - every sheet carries the printer's scale correction along its x and y.
/// Texts are measured with the metrics; throws RuntimeError for a strip that can't be split.
std::vector<Page> layOutSheets(const Page& drawn, const SheetRequest& request, const TextMetrics& metrics);
/// The same with the real font's metrics.
std::vector<Page> layOutSheets(const Page& drawn, const SheetRequest& request);

/// The drawn page with every strip bent into its whole ring, never split, and the rows below moved
/// to follow, on one page of unbounded height; each ring's row keeps its strip's note. For drawings
/// of true size, with no paper. fromCentre: the texts read from the ring's centre.
Page wholeRings(const Page& drawn, const TextMetrics& metrics, bool fromCentre);

/// The drawn page with every arc cut from its strip, with its outline, and the rows below moved to
/// follow; a page without arcs as drawn. For drawings of true size, with no paper.
Page cutArcs(const Page& drawn, const TextMetrics& metrics);

/// A new document for a job: it records the page in twips with the real font's metrics and, once
/// ended, lays it out on sheets and hands them to the sink. A sink that throws leaves the document
/// open, so the job's failure handling still abandons it.
std::unique_ptr<PrintSurface> openSheetDocument(const SheetRequest& request, SheetSink sink);
