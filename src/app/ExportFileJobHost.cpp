#include "app/ExportFileJobHost.h"

#include "common/RuntimeError.h"
#include "print/page/RecordingSurface.h"
#include "print/printers/FileReplacement.h"
#include "print/render/DxfDocument.h"
#include "print/render/PageOutlines.h"
#include "print/render/SvgDocument.h"

#include <limits>

namespace {

/// The strips' page bent into rings, whole. The ring layout is not part of this branch yet; until
/// it is, the strips are drawn as they are.
Page ringPage(const Page& drawn)
{
    return drawn;
}

} // namespace

ExportFileJobHost::ExportFileJobHost(const QString& path, DrawingFormat format, bool rings, JobHost* window)
    : m_path(path)
    , m_format(format)
    , m_rings(rings)
    , m_window(window)
{ }

DrawingFormat ExportFileJobHost::formatOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive) ? DrawingFormat::Dxf
                                                                      : DrawingFormat::Svg;
}

QByteArray ExportFileJobHost::drawing(const Page& drawn, DrawingFormat format, bool rings)
{
    const PageOutlines outlines = PageOutlines::of(rings ? ringPage(drawn) : drawn);
    return format == DrawingFormat::Dxf ? dxfDocument(outlines) : svgDocument(outlines);
}

SheetFormat ExportFileJobHost::sheetFormat()
{
    // Every size check passes on it but the job's own minimum; a caption never wraps before its end.
    SheetFormat format;
    format.paper.width = std::numeric_limits<qint32>::max() / 4;
    format.paper.height = format.paper.width;
    format.paper.margins = QMarginsF();
    return format;
}

std::unique_ptr<PrintSurface> ExportFileJobHost::openSurface(const SheetRequest& request)
{
    return std::make_unique<RecordingSurface>(
        request.format.paper.width, std::make_shared<FontTextMetrics>(), [this](const Page& page) {
            try {
                FileReplacement::write(FileReplacement::target(m_path), drawing(page, m_format, m_rings));
            } catch (const RuntimeError& error) {
                m_writeError = error.description();
                throw;
            }
            m_written = true;
        });
}

void ExportFileJobHost::processPendingEvents()
{
    if (m_window != nullptr)
        m_window->processPendingEvents();
}

void ExportFileJobHost::focusSizeText(SizeText which)
{
    if (m_window != nullptr)
        m_window->focusSizeText(which);
}
