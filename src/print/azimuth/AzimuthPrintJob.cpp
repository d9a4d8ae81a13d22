#include "print/azimuth/AzimuthPrintJob.h"

#include "print/azimuth/AzimuthScale.h"

AzimuthPrintJob::AzimuthPrintJob(SettingsModel& model, JobHost& host)
    : PrintJob(model, model.status(), host, { SizeText::Azimuth, true })
{ }

PrintJob::Mode AzimuthPrintJob::mode() const
{
    // Decided once: labels, numbers and drawing always agree, even if neither option is selected.
    Mode job;
    if (settings().azimuthDegrees) {
        job.circleLabel = QStringLiteral("Azimuth");
        job.progress = QStringLiteral("Printing azimuth...");
        job.caption = CaptionStyle::Degrees;
        job.numbers = azimuthNumbers(settings().azimuthIncreasing);
        job.otherWay = azimuthNumbers(!settings().azimuthIncreasing);
        job.draw = &DrawAzimuthScale;
    } else {
        job.circleLabel = QStringLiteral("RA");
        job.progress = QStringLiteral("Printing RA");
        job.caption = CaptionStyle::Hours;
        job.numbers = raNumbers();
        job.otherWay = hourAngleNumbers();
        job.draw = &DrawRaScale;
    }
    job.cardText = job.circleLabel.left(2);
    return job;
}
