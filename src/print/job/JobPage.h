#pragma once

#include "print/job/JobMode.h"
#include "print/job/JobSettings.h"
#include "print/job/PagePosition.h"
#include "print/job/StripInputs.h"
#include "print/job/Vernier.h"
#include "print/page/Page.h"
#include "print/sheets/SheetFormat.h"

#include <QString>
#include <optional>

/// The page a print job composes, in twips: per enabled circle set its strips in the chosen ink
/// styles, the index cards, the caption line and the verniers, one row after another from the top.
/// Knows nothing of printers or of the window.
class JobPage {
public:
    /// paper is the one the strips were checked against (its factors are named in the caption),
    /// nothing for a drawing, whose captions never wrap.
    JobPage(const JobSettings& settings, const JobMode& mode, const StripSize& size,
        const std::optional<SheetFormat>& paper);

    /// Draws the whole page and ends the document, unless no circle set is enabled. Returns the
    /// cursor at the top of the row a further circle set would take.
    PagePosition draw(PrintSurface& surface) const;

    /// The strip's graduation as the sheet layout needs it: 36 tens of degrees or 24 hours, from
    /// the reading of its left end.
    static StripGeometry geometry(const JobMode& mode, double lengthTw, double zeroDegrees = 0);

    /// What one circle set's strips are drawn from: its pens, heights and font at this size.
    StripInputs stripInputs(const CircleSetSettings& set) const;
    /// One strip of the set at the cursor in one ink: white ones on their black box.
    PagePosition drawStrip(PrintSurface& surface, PagePosition cursor, StripInputs strip, Rgb ink) const;

private:
    /// The vernier of the set's strips: 0.9 of their smallest spacing (10 minutes on RA).
    Vernier vernier(const StripInputs& strip) const;
    PagePosition printVerniers(PrintSurface& surface, PagePosition cursor, const StripInputs& set) const;
    PagePosition printSet(PrintSurface& surface, PagePosition cursor, const StripInputs& set) const;
    void printCard(PrintSurface& surface, PagePosition cursor, Rgb ink, Rgb paper) const;
    /// Tells the layout a row begins at top; a strip's row with its graduation.
    static void beginRow(
        PrintSurface& surface, qint32 top, std::optional<StripGeometry> strip = std::nullopt);
    QString caption(const StripInputs& inputs) const;
    /// The arc's end readings, "0°-90°"; empty for the whole circle.
    QString arcText() const;

    const JobSettings& m_settings;
    const JobMode& m_mode;
    const StripSize& m_size;
    const std::optional<SheetFormat>& m_paper;
};
