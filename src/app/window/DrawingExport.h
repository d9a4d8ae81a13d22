#pragma once

#include "app/output/ExportFileJobHost.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class SettingsFilePrompts;
class SettingsModel;

/// File > "Export Altitude..." and "Export Azimuth..." ("Export RA..."): the job's page as an SVG or
/// DXF drawing in a file the user names; the status line says what was written or why not.
class DrawingExport {
public:
    /// ownFiles: the settings store and the settings files of this run, never to be replaced by a
    /// drawing; the first is the store.
    DrawingExport(
        SettingsModel& model, SettingsFilePrompts& prompts, std::function<QStringList()> ownFiles = {});

    /// The menu entry's text for the azimuth circle, after the azimuth print button's caption.
    static QString azimuthEntry(const QString& azimuthButtonCaption);

    /// window: what the window shows around the job, without a print dialog.
    template <typename Job> void run(const JobCaller& window, const QString& title)
    {
        const std::optional<QString> path = choosePath(title);
        if (!path || refusedAsOwnFile(*path) || strokesUnavailable(*path))
            return;
        ExportFileJobHost host(*path, ExportFileJobHost::formatOf(*path), style());
        runJob(Job(m_model), window, host);
        report(*path, host);
    }

private:
    /// The file, and the style the dialog shows, remembered in the settings.
    std::optional<QString> choosePath(const QString& title);
    DrawingStyle style() const;
    /// True, with the reason in the status line, when single strokes are asked for without their font.
    bool strokesUnavailable(const QString& path);
    void report(const QString& path, const ExportFileJobHost& host);
    /// True, with the reason in the status line, when the path is one of the program's own files.
    bool refusedAsOwnFile(const QString& path);

    SettingsModel& m_model;
    SettingsFilePrompts& m_prompts;
    std::function<QStringList()> m_ownFiles;
};
