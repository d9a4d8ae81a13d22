#include "print/azimuth/AzimuthPrintJob.h"

#include "print/azimuth/AzimuthScale.h"

#include <QCoreApplication>

AzimuthPrintJob::AzimuthPrintJob(const SettingsModel& model)
    : PrintJob(model, { SizeText::Azimuth, true })
{ }

PrintJob::Mode AzimuthPrintJob::mode() const
{
    // Decided once: labels, numbers and drawing always agree, even if neither option is selected.
    Mode job;
    if (settings().azimuthDegrees) {
        job.circleLabel = QCoreApplication::translate("PrintJob", "Azimuth");
        job.progress = QCoreApplication::translate("PrintJob", "Printing azimuth...");
        job.cardText = QStringLiteral("Az");
        job.caption = CaptionStyle::Degrees;
        job.numbers = azimuthNumbers(settings().azimuthIncreasing);
        job.otherWay = azimuthNumbers(!settings().azimuthIncreasing);
        job.draw = &DrawAzimuthScale;
    } else {
        job.circleLabel = QCoreApplication::translate("PrintJob", "RA");
        job.progress = QCoreApplication::translate("PrintJob", "Printing RA");
        job.cardText = QStringLiteral("RA");
        job.caption = CaptionStyle::Hours;
        job.numbers = raNumbers();
        job.otherWay = hourAngleNumbers();
        job.draw = &DrawRaScale;
    }
    return job;
}
