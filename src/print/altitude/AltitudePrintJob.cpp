#include "print/altitude/AltitudePrintJob.h"

#include "print/altitude/AltitudeScale.h"

AltitudePrintJob::AltitudePrintJob(SettingsModel& model, JobHost& host)
    : PrintJob(model, model.status(), host, { SizeText::Altitude, false })
{ }

PrintJob::Mode AltitudePrintJob::mode() const
{
    Mode altitude;
    altitude.circleLabel = QStringLiteral("Altitude");
    altitude.cardText = QStringLiteral("Alt.");
    altitude.progress = QStringLiteral("Printing altitude...");
    altitude.caption = CaptionStyle::Degrees;
    altitude.numbers = altitudeNumbers(settings().signedDeclination);
    if (settings().signedDeclination)
        altitude.captionLabel = QStringLiteral("declination");
    altitude.draw = &DrawAltitudeScale;
    return altitude;
}
