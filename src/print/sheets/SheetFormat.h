#pragma once

#include "print/surface/PaperFormat.h"

/// Printer scale correction: how much longer the printer must be asked to print along each axis of
/// the paper (nominal length / measured length) so that what comes out has its nominal length.
struct ScaleFactors {
    double alongWidth = 1.0;
    double alongLength = 1.0;
};

/// What the sheets of the current printer are: its paper and its scale correction.
struct SheetFormat {
    PaperFormat paper;
    ScaleFactors factors;
};

/// How a job wants its page laid out on the sheets: the format it was checked against and the
/// page options of the window.
struct SheetRequest {
    SheetFormat format;
    bool splitLongStrips = false;
    bool scaleCheck = false;
    bool inches = false; ///< the job's unit, for what the sheets add in lengths
};
