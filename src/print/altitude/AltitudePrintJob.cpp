#include "print/altitude/AltitudePrintJob.h"

#include "print/altitude/AltitudeScale.h"

AltitudePrintJob::AltitudePrintJob(SettingsModel& model, JobHost& host, PagePosition& position)
    : PrintJob(model, host, position, { SizeText::Altitude, Option::Altmm, Option::AltLen, false })
{ }

PrintJob::Mode AltitudePrintJob::mode() const
{
    Mode altitude;
    altitude.circleLabel = QStringLiteral("Altitude");
    altitude.cardText = QStringLiteral("Alt.");
    altitude.progress = QStringLiteral("Printing altitude...");
    altitude.graduation = Graduation::Degrees;
    altitude.numbers = altitudeNumbers();
    altitude.draw = &DrawAltitudeScale;
    return altitude;
}
