#pragma once

#include "print/job/PageJob.h"
#include "print/job/PrintJob.h"

#include <functional>
#include <memory>

class StatusLine;

/// Where a job's page goes: the sheets it is checked against and the document that takes the page.
class JobOutput {
public:
    virtual ~JobOutput() = default;
    /// The sheets, read as the job is about to be checked.
    virtual JobSheets sheets() = 0;
    /// A new document for the plan's page; once ended, the page goes where this output sends it.
    virtual std::unique_ptr<PrintSurface> open(const SheetRequest& request) = 0;
};

/// What the caller of a job shows around it. The parts left empty are not there: the command line
/// has neither dialog nor window.
struct JobCaller {
    StatusLine& status;
    /// The print dialog, before anything is checked: false when cancelled. Throws when no printer
    /// can be offered.
    std::function<bool()> selectPrinter;
    /// One round of the window's events, so that the progress text is painted.
    std::function<void()> repaint;
    std::function<void(SizeText)> focus;
    /// Told of a refusal once it is shown.
    std::function<void(const JobRefusal&)> refused = nullptr;
};

/// One job as a print button runs it: the dialog, the progress text and one repaint, the checks
/// and their refusal, the page, then an empty status and the focus. Returns the drawing cursor
/// where the page left it.
PagePosition runJob(const PrintJob& job, const JobCaller& caller, JobOutput& output);

/// A page of its own run the same way: the dialog, the checks against the sheets and their refusal
/// in the status line, the page, then an empty status. True when the page was ended.
bool runPageJob(const PageJob& job, const JobCaller& caller, JobOutput& output);
