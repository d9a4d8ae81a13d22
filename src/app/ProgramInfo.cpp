#include "app/ProgramInfo.h"

#include <QCoreApplication>
#include <QFile>

// The licence text is a resource of this static library: it must be registered by hand.
static void registerLicence()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(about);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace programinfo {

QString name()
{
    return QStringLiteral("Vennaros");
}

QString version()
{
    return QStringLiteral(VENNAROS_VERSION);
}

QString purpose()
{
    return QCoreApplication::translate(
        "programinfo", "Prints graduated setting circles for telescope mounts at their exact size.");
}

QString homePage()
{
    return QStringLiteral(VENNAROS_HOME_URL);
}

QString bugReports()
{
    return QStringLiteral(VENNAROS_BUGS_URL);
}

QString licence()
{
    return QStringLiteral("MIT License. Copyright (c) 2026 The Vennaros developers.");
}

QString licenceText()
{
    registerLicence();
    QFile file(QStringLiteral(":/vennaros/LICENSE"));
    if (!file.open(QIODevice::ReadOnly))
        return licence();
    return QString::fromUtf8(file.readAll());
}

} // namespace programinfo
