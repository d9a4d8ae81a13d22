#include "app/output/ExportFileJobHost.h"

#include "common/PrinterError.h"
#include "common/RuntimeError.h"
#include "print/page/RecordingSurface.h"
#include "print/printers/FileReplacement.h"
#include "print/render/DxfDocument.h"
#include "print/render/HersheyFont.h"
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

/// Read once: every drawing of the run takes the same face.
const std::optional<HersheyFont>& strokeFont()
{
    static const std::optional<HersheyFont> font = HersheyFont::load(HersheyFont::simplexPath());
    return font;
}

} // namespace

ExportFileJobHost::ExportFileJobHost(const QString& path, DrawingFormat format, DrawingStyle style)
    : m_path(path)
    , m_format(format)
    , m_style(style)
{ }

QString ExportFileJobHost::strokesUnavailable()
{
    if (strokeFont())
        return {};
    const QString path = HersheyFont::simplexPath();
    return path.isEmpty()
        ? QCoreApplication::translate("ExportFileJobHost",
            "single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not "
            "installed; install the package hershey-fonts-data, or export filled outlines")
        : QCoreApplication::translate("ExportFileJobHost",
            "single strokes need the Hershey simplex font, and '%1' cannot be read as one; export "
            "filled outlines")
              .arg(path);
}

DrawingFormat ExportFileJobHost::formatOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".dxf"), Qt::CaseInsensitive) ? DrawingFormat::Dxf
                                                                      : DrawingFormat::Svg;
}

QByteArray ExportFileJobHost::drawing(const Page& page, DrawingFormat format, DrawingStyle style)
{
    const HersheyFont* font = nullptr;
    if (style == DrawingStyle::Strokes) {
        if (!strokeFont())
            throw printerError(strokesUnavailable());
        font = &*strokeFont();
    }
    const PageOutlines outlines = PageOutlines::of(page, font);
    return format == DrawingFormat::Dxf ? dxfDocument(outlines) : svgDocument(outlines);
}

std::unique_ptr<PrintSurface> ExportFileJobHost::open(const SheetRequest& request)
{
    auto metrics = std::make_shared<FontTextMetrics>();
    // No paper: nothing reads its width.
    return std::make_unique<RecordingSurface>(0, metrics,
        [this, metrics, rings = request.ring != RingCut::None, fromCentre = request.ringFromCentre](
            const Page& page) {
            try {
                const QByteArray bytes
                    = drawing(rings ? wholeRings(page, *metrics, fromCentre) : cutArcs(page, *metrics),
                        m_format, m_style);
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
