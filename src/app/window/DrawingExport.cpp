#include "app/window/DrawingExport.h"

#include "settings/SettingsFilePrompts.h"
#include "settings/SettingsModel.h"
#include "settings/StatusLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

// Both names lead to one file: through links and other spellings when it exists, by the cleaned
// absolute path when it does not yet (a store before the first Exit).
bool sameFile(const QString& first, const QString& second)
{
    struct stat a { };
    struct stat b { };
    if (::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    return QFileInfo(first).absoluteFilePath() == QFileInfo(second).absoluteFilePath();
}

} // namespace

DrawingExport::DrawingExport(
    SettingsModel& model, SettingsFilePrompts& prompts, std::function<QStringList()> ownFiles)
    : m_model(model)
    , m_prompts(prompts)
    , m_ownFiles(std::move(ownFiles))
{ }

bool DrawingExport::refusedAsOwnFile(const QString& path)
{
    const QStringList own = m_ownFiles ? m_ownFiles() : QStringList();
    for (qsizetype i = 0; i < own.size(); ++i) {
        if (own[i].isEmpty() || !sameFile(path, own[i]))
            continue;
        const QString why = i == 0
            ? QCoreApplication::translate("DrawingExport", "it is the program's settings store")
            : QCoreApplication::translate(
                "DrawingExport", "it is a settings file saved or restored since the start");
        m_model.status().show(StatusLine::kErrorColor,
            QCoreApplication::translate("DrawingExport", "Cannot write '%1': %2.").arg(path, why));
        return true;
    }
    return false;
}

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
    setup.choiceLabel = QCoreApplication::translate("DrawingExport", "&Style:");
    setup.choices = { QCoreApplication::translate(
                          "DrawingExport", "Filled outlines (print, raster engraving)"),
        QCoreApplication::translate("DrawingExport", "Single strokes (vector engraving, pen plotters)") };
    int choice = style() == DrawingStyle::Strokes ? 1 : 0;
    std::optional<QString> path = m_prompts.chooseFileAndChoice(setup, choice);
    if (path)
        m_model.setCheck(Check::ExportStrokes, choice == 1 ? SettingsModel::kChecked : 0);
    return path;
}

DrawingStyle DrawingExport::style() const
{
    return m_model.check(Check::ExportStrokes) == SettingsModel::kChecked ? DrawingStyle::Strokes
                                                                          : DrawingStyle::Filled;
}

bool DrawingExport::strokesUnavailable(const QString& path)
{
    if (style() != DrawingStyle::Strokes)
        return false;
    const QString missing = ExportFileJobHost::strokesUnavailable();
    if (missing.isEmpty())
        return false;
    m_model.status().show(StatusLine::kErrorColor,
        QCoreApplication::translate("DrawingExport", "Cannot write '%1': %2.").arg(path, missing));
    return true;
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
