#pragma once

#include <QByteArray>

/// Qt's PDF writer has no switch for the viewer preference that keeps a viewer from fitting the page
/// to the sheet; this adds it as an incremental update: the catalog again, with
/// /ViewerPreferences << /PrintScaling /None >>, a cross-reference section for it and a trailer
/// pointing back to the original. Everything Qt wrote stays byte for byte. Throws RuntimeError 482
/// for a file whose trailer, cross-reference table or catalog can't be found.
QByteArray withoutPrintScaling(const QByteArray& pdf);
