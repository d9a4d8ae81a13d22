#pragma once

#include "app/output/JobRun.h"
#include "print/page/Page.h"
#include "print/render/DrawingFormat.h"

#include <QString>

/// Where a job's page becomes a drawing file instead of sheets: the whole page at its true size,
/// never split, on no paper, so no strip is too long for it. The file is written only when the job
/// ends its page, whole or not at all.
class ExportFileJobHost : public JobOutput {
public:
    /// The path that stands for standard output.
    static constexpr const char* kStandardOutput = "-";

    /// A path of "-" writes to standard output.
    ExportFileJobHost(const QString& path, DrawingFormat format, DrawingStyle style = DrawingStyle::Filled);

    /// ".dxf" in any case is DXF; any other name SVG.
    static DrawingFormat formatOf(const QString& path);
    /// The drawing of a page, in the format's bytes; throws when single strokes lack their font.
    static QByteArray drawing(
        const Page& page, DrawingFormat format, DrawingStyle style = DrawingStyle::Filled);
    /// Why single strokes cannot be drawn (their font is not installed), or empty.
    static QString strokesUnavailable();

    JobSheets sheets() override { return JobSheets::noPaper(); }
    /// The request says whether the strips are bent into rings, whole.
    std::unique_ptr<PrintSurface> open(const SheetRequest& request) override;

    bool written() const { return m_written; }
    /// Why the file could not be written, when it could not.
    const QString& writeError() const { return m_writeError; }

private:
    QString m_path;
    DrawingFormat m_format;
    DrawingStyle m_style;
    bool m_written = false;
    QString m_writeError;
};
