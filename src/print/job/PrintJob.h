#pragma once

#include "print/job/JobMode.h"
#include "print/job/JobSettings.h"
#include "print/job/PagePosition.h"
#include "print/sheets/SheetFormat.h"

#include <QString>
#include <exception>
#include <optional>
#include <variant>

class PrintSurface;

/// Why a job prints nothing, and the size box that gets the focus (none after a printer failure).
struct JobRefusal {
    QString message;
    std::optional<SizeText> focus;
};

/// The sheets a job is checked against: a printer's paper and correction, or no paper at all (a
/// drawing at true size, which no width limits).
class JobSheets {
public:
    JobSheets(const SheetFormat& format) // NOLINT(google-explicit-constructor): a paper is sheets
        : m_format(format)
    { }
    static JobSheets noPaper() { return JobSheets(); }
    /// The printer's, read now. A failure is kept: the job reports it only after its own checks.
    template <typename Read> static JobSheets read(Read&& read)
    {
        try {
            return JobSheets(read());
        } catch (const std::exception&) {
            JobSheets unread;
            unread.m_format = SheetFormat();
            unread.m_failure = std::current_exception();
            return unread;
        }
    }

    bool hasPaper() const { return m_format.has_value(); }
    /// The paper's format; throws what reading it threw.
    const SheetFormat& format() const;

private:
    JobSheets() = default;

    std::optional<SheetFormat> m_format;
    std::exception_ptr m_failure;
};

/// A job that passed its checks: drawing it gives the page, which the sheets it requests take.
class JobPlan {
public:
    JobPlan(const JobSettings& settings, JobMode mode, const StripSize& size, const JobSheets& sheets,
        const SheetRequest& request);

    /// How the ended page goes on sheets; for a drawing, only whether its strips are rings.
    const SheetRequest& request() const { return m_request; }
    /// Draws the whole page and ends the document, unless no circle set is enabled. Throws what the
    /// surface throws. Returns the cursor at the top of the row a further circle set would take.
    PagePosition draw(PrintSurface& surface) const;

private:
    JobSettings m_settings;
    JobMode m_mode;
    StripSize m_size;
    std::optional<SheetFormat> m_paper;
    SheetRequest m_request;
};

using JobOutcome = std::variant<JobRefusal, JobPlan>;

/// A job's circle apart from any sheets: what it prints, its size as typed and the settings read.
struct JobCircle {
    JobSettings settings;
    JobMode mode;
    StripSize size;
};

/// One press of a print button, decided from the settings of that moment: the size and its refusals
/// against the sheets, and the page. It shows nothing and asks nothing; its caller shows the dialog,
/// the progress, the refusal and the focus. The concrete job supplies its labels, numbers and drawing.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    /// Nothing typed: the job ends at once, before the dialog.
    bool empty() const { return m_settings.size.isEmpty(); }
    /// The size box that gets the focus after a refusal and after the page.
    SizeText entry() const { return m_entry.sizeText; }
    /// The status text to show and paint before the checks; nothing when the entry is refused first.
    std::optional<QString> progress() const;
    /// The size, the zero and the half marks checked against the sheets.
    JobOutcome check(const JobSheets& sheets) const;
    /// Whether the strips, or the rings whole, go across this paper without being split; false for
    /// a size the job refuses anyway.
    bool fitsUnsplit(const SheetFormat& format) const;
    /// The strip's length in millimetres as typed, before any correction of the printer's scale;
    /// nothing for an entry the job can't read.
    std::optional<double> stripLengthMm() const;

    /// The circle alone, for a page of samples of its graduation; the refusal of a size that is no
    /// number or below the minimum.
    std::variant<JobRefusal, JobCircle> circle() const;

    /// The message for a print dialog that could not be shown.
    static QString selectionFailure(const std::exception& error);
    /// The refusal for a failure before anything is drawn: a printer's is a print failure.
    JobRefusal failureBeforeDrawing(const std::exception& error) const;
    /// The message for a failure while the page is drawn or ended.
    static QString drawingFailure(const std::exception& error);

protected:
    /// The size box a job reads, and when it shows its progress text.
    struct Entry {
        SizeText sizeText;
        bool statusBeforeConversion; ///< progress text before the entry is converted, or after
    };

    using Mode = JobMode;

    /// Reads the settings of the job's size box from the model now.
    PrintJob(const SettingsModel& model, const Entry& entry);

    virtual Mode mode() const = 0;

    const JobSettings& settings() const { return m_settings; }
    /// The arc asked for; nothing for the whole circle or a range refused.
    const ArcRange* arc() const { return std::get_if<ArcRange>(&m_settings.arc); }

private:
    /// What of the circle's length the strip prints, as a share of it.
    double printedShare(double divisions) const;
    StripSize readSize() const;
    JobOutcome checkSize(const Mode& mode, const StripSize& size, const JobSheets& sheets) const;
    JobRefusal refuse(const QString& message) const { return { message, m_entry.sizeText }; }
    /// How the sheets are to take the page: the format the strips were checked against, the
    /// window's page options, the ring's cut and the circle the sheets name.
    SheetRequest sheetRequest(
        const Mode& mode, const SheetFormat& format, const StripSize& size, RingCut ring) const;
    /// Why the strip can't be printed on these sheets, or nothing when it can.
    std::optional<QString> widthRefusal(
        const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const;
    /// Why the ring can't be printed on these sheets, whole or split as asked, or how it is cut.
    std::variant<QString, RingCut> ringFit(
        const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const;
    /// The refusal for sheets that take no size the job accepts, or nothing when some size fits.
    /// A drawing has no paper: its one limit is the range of the page's coordinates.
    std::optional<QString> drawingRefusal(const Mode& mode, const StripSize& size) const;
    std::optional<QString> noSizeFits(
        const Mode& mode, const StripSize& size, const SheetFormat& format) const;

    const JobSettings m_settings;
    Entry m_entry;
};
