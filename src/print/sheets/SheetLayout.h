#pragma once

#include "print/sheets/SheetFormat.h"
#include "print/surface/Page.h"
#include "print/surface/PrintSurface.h"

#include <functional>
#include <memory>
#include <vector>

/// Where the sheets of an ended document go: a printer, the preview, a file.
using SheetSink = std::function<void(const std::vector<Page>& sheets)>;

/// The sheets a job's page is printed on. The one place between the page a job draws and the paper.
std::vector<Page> layOutSheets(const Page& drawn, const SheetRequest& request);

/// A new document for a job: it records the page in twips with the real font's metrics and, once
/// ended, lays it out on sheets and hands them to the sink. A sink that throws leaves the document
/// open, so the job's failure handling still abandons it.
std::unique_ptr<PrintSurface> openSheetDocument(const SheetRequest& request, SheetSink sink);
