#include "print/page/PageFont.h"

#include "print/page/PrintSurface.h"

#include <QtMath>

QFont pageFont(const QString& family, double points)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(points * kTwipsPerPoint)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}
