#pragma once

#include <QFont>
#include <QString>

/// The font a page text is drawn in, sized in twips (one pixel is one twip on the page), so the
/// metrics measured with it are the extents drawn on the printer.
QFont pageFont(const QString& family, double points);
