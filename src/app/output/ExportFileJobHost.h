#pragma once

#include "print/job/JobHost.h"
#include "print/page/Page.h"
#include "print/render/DrawingFormat.h"

#include <QString>

/// The host of a print job whose page becomes a drawing file instead of sheets: the whole page at
/// its true size, never split, no paper, margins or printer-scale factors, so no strip is too long
/// for it. Offers no print dialog; the window's events and focus go to `window` when there is one.
/// The file is written only when the job ends its page, whole or not at all.
class ExportFileJobHost : public JobHost {
public:
    /// The path that stands for standard output.
    static constexpr const char* kStandardOutput = "-";

    /// The job's request says whether its strips are bent into rings, whole. A path of "-" writes
    /// to standard output.
    ExportFileJobHost(const QString& path, DrawingFormat format, JobHost* window = nullptr);

    /// ".dxf" in any case is DXF; any other name SVG.
    static DrawingFormat formatOf(const QString& path);
    /// The drawing of a page, in the format's bytes.
    static QByteArray drawing(const Page& page, DrawingFormat format);

    void selectPrinter() override { }
    bool printCancelled() const override { return false; }
    /// A paper wider than any strip, with no margins and no scale correction.
    SheetFormat sheetFormat() override;
    std::unique_ptr<PrintSurface> openSurface(const SheetRequest& request) override;
    void processPendingEvents() override;
    void focusSizeText(SizeText which) override;

    bool written() const { return m_written; }
    /// Why the file could not be written, when it could not.
    const QString& writeError() const { return m_writeError; }

private:
    QString m_path;
    DrawingFormat m_format;
    JobHost* m_window;
    bool m_written = false;
    QString m_writeError;
};
