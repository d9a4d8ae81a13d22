#pragma once

#include "print/page/Page.h"
#include "print/page/PaperFormat.h"

#include <QString>

/// The bars of a calibration page, in whole millimetres: one along the paper's width and one along
/// its length, each as long as the printable area allows in whole centimetres. They depend on the
/// paper only, not on how the page is turned.
struct CalibrationBars {
    int alongWidthMm = 0;
    int alongLengthMm = 0;

    static CalibrationBars of(const PaperFormat& paper);
};

/// The page to measure a printer's scale with: the two bars with a tick every millimetre and a
/// longer one every centimetre, meeting at the top-left corner, their nominal lengths and what to do
/// with them. Drawn without any scale correction: it measures the printer as it is.
Page calibrationPage(const PaperFormat& paper, const QString& printerName);
