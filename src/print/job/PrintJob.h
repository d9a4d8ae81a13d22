#pragma once

#include "print/job/JobHost.h"
#include "print/job/JobSettings.h"
#include "print/job/PagePosition.h"
#include "print/job/ScaleDrawing.h"
#include "print/job/StripInputs.h"
#include "print/job/Vernier.h"
#include "print/surface/Page.h"

#include <QString>
#include <optional>

class StatusLine;

/// One press of a print button, from the size entry to the ended page: validation, the page
/// layout of strips, index cards and caption lines per circle set, the status reports and the two
/// failure regions. The concrete job supplies its size box, labels, numbers and scale drawing.
/// Twips.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    /// Returns the drawing cursor as the job left it: after a printed page, the top of the row a
    /// further circle set would take.
    PagePosition run();

protected:
    /// The size box a job reads, and when it shows its progress text.
    struct Entry {
        SizeText sizeText;
        bool statusBeforeConversion; ///< progress text before the entry is converted, or after
    };

    /// Degrees captions name the smallest mark; hours captions name the marks by their time.
    enum class CaptionStyle { Degrees, Hours };

    using ScaleDrawer
        = PagePosition (*)(PrintSurface&, PagePosition, const StripInputs&, const ScaleNumbers&);

    /// What the job prints, fixed once the printer has been chosen.
    struct Mode {
        QString circleLabel; ///< starts messages and the caption line
        QString cardText; ///< the index cards' text
        QString progress; ///< the status text while printing
        CaptionStyle caption = CaptionStyle::Degrees;
        ScaleNumbers numbers;
        ScaleNumbers otherWay; ///< the second row's numbers; none where the scale reads both ways already
        ScaleDrawer draw = nullptr;
    };

    /// Reads the settings of the job's size box from the model now; reports go to its status line.
    PrintJob(const SettingsModel& model, StatusLine& status, JobHost& host, const Entry& entry);

    virtual Mode mode() const = 0;

    const JobSettings& settings() const { return m_settings; }

private:
    struct Size {
        double entry = 0; ///< as typed, in its own unit and sense
        bool inches = false;
        double sizeMm = 0; ///< strip length
        qint16 minSize = 0; ///< smallest entry, in the entry's unit and sense
        bool diameter = false;
        QString units;
    };

    void showProgress(const QString& text);
    void showError(const QString& text);
    void focusEntry();
    Size readSize() const;
    /// How the sheets are to take the page: the format the strips were checked against and the
    /// window's page options.
    SheetRequest sheetRequest(const SheetFormat& format, const Size& size) const;
    /// Why the strip can't be printed on these sheets, or nothing when it can.
    std::optional<QString> widthRefusal(
        const Mode& mode, const Size& size, const SheetFormat& format, double lengthTw) const;
    /// The refusal for sheets that take no size the job accepts, or nothing when some size fits.
    std::optional<QString> noSizeFits(const Mode& mode, const Size& size, const SheetFormat& format) const;
    /// The strip's graduation as the sheet layout needs it: 36 tens of degrees or 24 hours.
    static StripGeometry geometry(const Mode& mode, double lengthTw);
    PagePosition printPage(PrintSurface& surface, const Mode& mode, const Size& size,
        const SheetFormat& format, double lengthTw);
    StripInputs stripInputs(const CircleSetSettings& set, const Mode& mode, double lengthTw) const;
    /// The vernier of the set's strips: 0.9 of their smallest spacing (10 minutes on RA).
    static Vernier vernier(const Mode& mode, const StripInputs& strip);
    PagePosition printVerniers(
        PrintSurface& surface, PagePosition cursor, const Mode& mode, const StripInputs& set);
    PagePosition printSet(
        PrintSurface& surface, PagePosition cursor, const Mode& mode, const StripInputs& inputs);
    void printCard(PrintSurface& surface, PagePosition cursor, const QString& text, Rgb ink, Rgb paper);
    /// Tells the layout a row begins at top; a strip's row with its graduation.
    static void beginRow(
        PrintSurface& surface, qint32 top, std::optional<StripGeometry> strip = std::nullopt);
    QString caption(
        const Mode& mode, const Size& size, const SheetFormat& format, const StripInputs& inputs) const;

    const JobSettings m_settings;
    StatusLine& m_status;
    JobHost& m_host;
    Entry m_entry;
};
