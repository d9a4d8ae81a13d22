#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SettingsModel model;
    frmMain window(model);
    window.showVersion();
    window.refreshValueLabels();
    window.show();
    return app.exec();
}
