#include "UprightReadback.h"

#include <QJsonObject>

namespace e2e {

UprightPage readUprightPage(const QString& path, double originX, double originY)
{
    QJsonObject json;
    UprightPage result;
    result.page = pdfreadback::readPdfPage(
        QStringLiteral(VENNAROS_UPRIGHT_READBACK_SCRIPT), path, originX, originY, &json);
    result.turned = json[QStringLiteral("turned")].toBool();
    return result;
}

} // namespace e2e
