#pragma once

#include "print/page/Page.h"
#include "print/page/PaperFormat.h"

#include <QByteArray>
#include <QString>
#include <vector>

/// The title of every document printed: the PDF file's and the print queue's job's.
QString documentTitle();

/// The sheets of one document as the bytes of a PDF file, drawn by Qt's PDF writer on the paper,
/// one page per sheet: titled, with the program as its creator, and marked so that a viewer prints
/// it unscaled. Asks the print system nothing. Throws RuntimeError 482 when it can't be drawn.
QByteArray pdfDocument(const std::vector<Page>& sheets, const PaperFormat& paper);
