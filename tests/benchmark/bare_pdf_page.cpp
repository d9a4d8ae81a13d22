// A bare QPdfWriter program: starts, draws the primitives of a file on a PDF page and exits.
//   bare_pdf_page PRIMITIVES OUTPUT.pdf
#include "BarePdfPage.h"

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    return drawBarePdf(QString::fromLocal8Bit(argv[2]), readBarePrimitives(QString::fromLocal8Bit(argv[1])))
        ? 0
        : 1;
}
