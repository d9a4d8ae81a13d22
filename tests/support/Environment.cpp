#include "support/Environment.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace testenv {

void isolateFromUser()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "/nonexistent");
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        const QString home = QDir::tempPath() + QStringLiteral("/vennaros-test-config");
        QDir().mkpath(home);
        qputenv("XDG_CONFIG_HOME", home.toUtf8());
    }
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace testenv
