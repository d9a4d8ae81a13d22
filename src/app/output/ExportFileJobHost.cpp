#include "app/output/ExportFileJobHost.h"

#include "common/PrinterError.h"
#include "common/RuntimeError.h"
#include "print/page/RecordingSurface.h"
#include "print/printers/FileReplacement.h"
#include "print/render/DxfDocument.h"
#include "print/render/PageOutlines.h"
#include "print/render/SvgDocument.h"
#include "print/sheets/SheetLayout.h"

#include <QCoreApplication>
#include <QFile>

namespace {

void writeStandardOutput(const QByteArray& bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        throw printerError(
            QCoreApplication::translate("ExportFileJobHost", "standard output can't be written: %1")
                .arg(out.errorString()));
}

} // namespace

ExportFileJobHost::ExportFileJobHost(const QString& path, DrawingFormat format)
    : m_path(path)
    , m_format(format)
{ }

DrawingFormat ExportFileJobHost::formatOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive) ? DrawingFormat::Dxf
                                                                      : DrawingFormat::Svg;
}

QByteArray ExportFileJobHost::drawing(const Page& page, DrawingFormat format)
{
    const PageOutlines outlines = PageOutlines::of(page);
    return format == DrawingFormat::Dxf ? dxfDocument(outlines) : svgDocument(outlines);
}

std::unique_ptr<PrintSurface> ExportFileJobHost::open(const SheetRequest& request)
{
    auto metrics = std::make_shared<FontTextMetrics>();
    // No paper: nothing reads its width.
    return std::make_unique<RecordingSurface>(
        0, metrics, [this, metrics, rings = request.ring != RingCut::None](const Page& page) {
            try {
                const QByteArray bytes
                    = drawing(rings ? wholeRings(page, *metrics) : cutArcs(page, *metrics), m_format);
                if (m_path == QLatin1String(kStandardOutput))
                    writeStandardOutput(bytes);
                else
                    FileReplacement::write(FileReplacement::target(m_path), bytes);
            } catch (const RuntimeError& error) {
                m_writeError = error.description();
                throw;
            }
            m_written = true;
        });
}
