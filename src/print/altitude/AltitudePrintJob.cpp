#include "print/altitude/AltitudePrintJob.h"

#include "print/altitude/AltitudeScale.h"

#include <QCoreApplication>

AltitudePrintJob::AltitudePrintJob(const SettingsModel& model)
    : PrintJob(model, { SizeText::Altitude, false })
{ }

PrintJob::Mode AltitudePrintJob::mode() const
{
    Mode altitude;
    altitude.circleLabel = QCoreApplication::translate("PrintJob", "Altitude");
    altitude.cardText = QStringLiteral("Alt.");
    altitude.progress = QCoreApplication::translate("PrintJob", "Printing altitude...");
    altitude.caption = CaptionStyle::Degrees;
    altitude.numbers = altitudeNumbers(settings().signedDeclination);
    if (settings().signedDeclination)
        altitude.captionLabel = QCoreApplication::translate("PrintJob", "declination");
    altitude.draw = &DrawAltitudeScale;
    return altitude;
}
