#pragma once

#include "common/ScaleFactors.h"
#include "print/page/PaperFormat.h"

#include <QString>

/// What the sheets of the current printer are: its paper and its scale correction.
struct SheetFormat {
    PaperFormat paper;
    ScaleFactors factors;

    /// The correction along the page's x, the way strips run: the paper's width in portrait, its
    /// length in landscape.
    double factorAcross() const
    {
        return paper.orientation == PageOrientation::Landscape ? factors.alongLength : factors.alongWidth;
    }
    /// The correction along the page's y.
    double factorDown() const
    {
        return paper.orientation == PageOrientation::Landscape ? factors.alongWidth : factors.alongLength;
    }
};

/// How a job's strips are bent into rings: not at all, each whole, or each in sectors. Decided once,
/// when the job checks its size against the sheets.
enum class RingCut { None, Whole, Sectors };

/// How a job wants its page laid out on the sheets: the format it was checked against and the
/// page options of the window.
struct SheetRequest {
    SheetFormat format;
    bool splitLongStrips = false;
    bool scaleCheck = false;
    bool inches = false; ///< the job's unit, for what the sheets add in lengths
    RingCut ring = RingCut::None; ///< every strip is bent into its flat ring, whole or in sectors
    bool closingTab = false; ///< a strip ends with its first long division again, cut to join over it
    bool ringFromCentre = false; ///< a ring's texts read from its centre, not from outside it
    QString circle; ///< the circle and its size, as the sheets of a job in pieces name it
};
