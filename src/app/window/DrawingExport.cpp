#include "app/window/DrawingExport.h"

#include "settings/SettingsFilePrompts.h"
#include "settings/SettingsModel.h"
#include "settings/StatusLine.h"

#include <QCoreApplication>

DrawingExport::DrawingExport(SettingsModel& model, SettingsFilePrompts& prompts)
    : m_model(model)
    , m_prompts(prompts)
{ }

QString DrawingExport::azimuthEntry(const QString& azimuthButtonCaption)
{
    return azimuthButtonCaption.contains(QStringLiteral("RA"))
        ? QCoreApplication::translate("DrawingExport", "Export &RA...")
        : QCoreApplication::translate("DrawingExport", "Export A&zimuth...");
}

std::optional<QString> DrawingExport::choosePath(const QString& title)
{
    FileDialogSetup setup;
    setup.style = FileDialogSetup::Style::Save;
    setup.filter
        = QCoreApplication::translate("DrawingExport", "SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf");
    setup.defaultExtension = QStringLiteral(".svg");
    setup.title = title;
    setup.dialogConfirmsOverwrite = true;
    return m_prompts.chooseFile(setup);
}

void DrawingExport::report(const QString& path, const ExportFileJobHost& host)
{
    StatusLine& status = m_model.status();
    if (host.written())
        status.show(
            StatusLine::kStatusColor, QCoreApplication::translate("DrawingExport", "Written: ") + path);
    else if (!host.writeError().isEmpty())
        status.show(StatusLine::kErrorColor,
            QCoreApplication::translate("DrawingExport", "Cannot write '%1': %2.")
                .arg(path, host.writeError()));
}
