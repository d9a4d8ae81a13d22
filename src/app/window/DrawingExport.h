#pragma once

#include "app/output/ExportFileJobHost.h"

#include <QString>
#include <optional>

class SettingsFilePrompts;
class SettingsModel;

/// File > "Export Altitude..." and "Export Azimuth..." ("Export RA..."): the job's page as an SVG or
/// DXF drawing in a file the user names; the status line says what was written or why not.
class DrawingExport {
public:
    DrawingExport(SettingsModel& model, SettingsFilePrompts& prompts);

    /// The menu entry's text for the azimuth circle, after the azimuth print button's caption.
    static QString azimuthEntry(const QString& azimuthButtonCaption);

    /// window: what the window shows around the job, without a print dialog.
    template <typename Job> void run(const JobCaller& window, const QString& title)
    {
        const std::optional<QString> path = choosePath(title);
        if (!path)
            return;
        ExportFileJobHost host(*path, ExportFileJobHost::formatOf(*path));
        runJob(Job(m_model), window, host);
        report(*path, host);
    }

private:
    std::optional<QString> choosePath(const QString& title);
    void report(const QString& path, const ExportFileJobHost& host);

    SettingsModel& m_model;
    SettingsFilePrompts& m_prompts;
};
