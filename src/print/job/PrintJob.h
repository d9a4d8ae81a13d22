#pragma once

#include "print/job/JobHost.h"
#include "print/job/JobMode.h"
#include "print/job/JobSettings.h"
#include "print/job/PagePosition.h"
#include "print/job/ScaleDrawing.h"

#include <QString>
#include <optional>

class StatusLine;

/// One press of a print button, from the size entry to the ended page: the printer selection, the
/// size and its refusals, the status reports and the two failure regions, and the focus. The page
/// itself is a JobPage. The concrete job supplies its size box, labels, numbers and scale drawing.
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

    using Mode = JobMode;

    /// Reads the settings of the job's size box from the model now; reports go to its status line.
    PrintJob(const SettingsModel& model, StatusLine& status, JobHost& host, const Entry& entry);

    virtual Mode mode() const = 0;

    const JobSettings& settings() const { return m_settings; }

private:
    void showProgress(const QString& text);
    void showError(const QString& text);
    void focusEntry();
    StripSize readSize() const;
    /// How the sheets are to take the page: the format the strips were checked against and the
    /// window's page options.
    SheetRequest sheetRequest(const SheetFormat& format, const StripSize& size) const;
    /// Why the strip can't be printed on these sheets, or nothing when it can.
    std::optional<QString> widthRefusal(
        const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const;
    /// Why the ring can't be printed on these sheets, whole or split as asked, or nothing when it can.
    std::optional<QString> ringRefusal(
        const Mode& mode, const StripSize& size, const SheetFormat& format, double lengthTw) const;
    /// The refusal for sheets that take no size the job accepts, or nothing when some size fits.
    std::optional<QString> noSizeFits(
        const Mode& mode, const StripSize& size, const SheetFormat& format) const;

    const JobSettings m_settings;
    StatusLine& m_status;
    JobHost& m_host;
    Entry m_entry;
};
