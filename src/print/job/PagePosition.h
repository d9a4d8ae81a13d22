#pragma once

#include <QtGlobal>

/// A print job's drawing cursor, in twips: the left edge of the element being drawn and the top of
/// the current row. A job starts it at the page's top and only moves it down.
struct PagePosition {
    qint32 printX = 0;
    qint32 printY = 0;
};
