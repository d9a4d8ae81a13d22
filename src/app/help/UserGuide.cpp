#include "app/help/UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace userguide {

QStringList searchFolders()
{
    QStringList folders;
    // An installed program finds its own prefix first, wherever it was installed.
    folders << QDir::cleanPath(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../" VENNAROS_DATA_SUBDIR));
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QStringLiteral("vennaros"));
    folders << QStringLiteral(VENNAROS_BUILD_GUIDE_DIR);
    folders.removeDuplicates();
    return folders;
}

QString locate(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo guide(QDir(folder).filePath(QLatin1String(kFileName)));
        if (guide.isFile() && guide.isReadable())
            return guide.absoluteFilePath();
    }
    return QString();
}

} // namespace userguide
