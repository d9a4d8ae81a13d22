#include "app/output/JobRun.h"

#include "common/RuntimeError.h"
#include "print/page/PrintSurface.h"
#include "settings/StatusLine.h"

namespace {

void refuse(const JobRefusal& refusal, const JobCaller& caller)
{
    caller.status.show(StatusLine::kErrorColor, refusal.message);
    if (refusal.focus && caller.focus)
        caller.focus(*refusal.focus);
    if (caller.refused)
        caller.refused(refusal);
}

} // namespace

PagePosition runJob(const PrintJob& job, const JobCaller& caller, JobOutput& output)
{
    if (job.empty())
        return {};
    if (caller.selectPrinter) {
        try {
            if (!caller.selectPrinter())
                return {};
        } catch (const std::exception& error) {
            caller.status.show(StatusLine::kErrorColor, PrintJob::selectionFailure(error));
            return {};
        }
    }
    if (const std::optional<QString> progress = job.progress()) {
        caller.status.show(StatusLine::kStatusColor, *progress);
        if (caller.repaint)
            caller.repaint();
    }

    JobOutcome outcome = job.check(output.sheets());
    std::unique_ptr<PrintSurface> surface;
    if (const auto* plan = std::get_if<JobPlan>(&outcome)) {
        try {
            surface = output.open(plan->request());
            if (!surface)
                throw RuntimeError::invalidPropertyValue();
        } catch (const std::exception& error) {
            outcome = job.failureBeforeDrawing(error);
        }
    }
    if (const auto* refusal = std::get_if<JobRefusal>(&outcome)) {
        refuse(*refusal, caller);
        return {};
    }

    PagePosition cursor;
    try {
        cursor = std::get<JobPlan>(outcome).draw(*surface);
    } catch (const std::exception& error) {
        try {
            surface->killDoc();
        } catch (const std::exception&) {
            // Abandoning is all that is left to do; the message below says it failed.
        }
        caller.status.show(StatusLine::kErrorColor, PrintJob::drawingFailure(error));
        return {};
    }
    caller.status.setText(QString());
    if (caller.focus)
        caller.focus(job.entry());
    return cursor;
}

bool runPageJob(const PageJob& job, const JobCaller& caller, JobOutput& output)
{
    if (caller.selectPrinter) {
        try {
            if (!caller.selectPrinter())
                return false;
        } catch (const std::exception& error) {
            caller.status.show(StatusLine::kErrorColor, PrintJob::selectionFailure(error));
            return false;
        }
    }
    std::unique_ptr<PrintSurface> surface;
    std::variant<QString, SheetRequest> outcome;
    try {
        outcome = job.check(output.sheets().format());
        if (const auto* request = std::get_if<SheetRequest>(&outcome)) {
            surface = output.open(*request);
            if (!surface)
                throw RuntimeError::invalidPropertyValue();
        }
    } catch (const std::exception& error) {
        caller.status.show(StatusLine::kErrorColor, PrintJob::drawingFailure(error));
        return false;
    }
    if (const auto* refusal = std::get_if<QString>(&outcome)) {
        caller.status.show(StatusLine::kErrorColor, *refusal);
        return false;
    }
    try {
        job.draw(*surface, std::get<SheetRequest>(outcome));
    } catch (const std::exception& error) {
        try {
            surface->killDoc();
        } catch (const std::exception&) {
            // Abandoning is all that is left to do; the message below says it failed.
        }
        caller.status.show(StatusLine::kErrorColor, PrintJob::drawingFailure(error));
        return false;
    }
    caller.status.setText(QString());
    return true;
}
