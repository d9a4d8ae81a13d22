// The floor for a window's start: an empty QWidget shown, then the event loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.show();
    return app.exec();
}
