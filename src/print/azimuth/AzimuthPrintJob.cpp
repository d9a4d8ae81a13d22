#include "print/azimuth/AzimuthPrintJob.h"

#include "print/azimuth/AzimuthScale.h"
#include "settings/SettingsModel.h"

AzimuthPrintJob::AzimuthPrintJob(SettingsModel& model, JobHost& host, PagePosition& position)
    : PrintJob(model, host, position, { SizeText::Azimuth, Option::Azmm, Option::AzLen, true })
{ }

PrintJob::Mode AzimuthPrintJob::mode() const
{
    // Decided once: labels, numbers and drawing always agree, even if neither option is selected.
    Mode job;
    if (model().option(Option::Az)) {
        job.circleLabel = QStringLiteral("Azimuth");
        job.progress = QStringLiteral("Printing azimuth...");
        job.graduation = Graduation::Degrees;
        job.numbers = azimuthNumbers(model().check(Check::AzCT) == SettingsModel::kChecked);
        job.draw = &DrawAzimuthScale;
    } else {
        job.circleLabel = QStringLiteral("RA");
        job.progress = QStringLiteral("Printing RA");
        job.graduation = Graduation::Hours;
        job.numbers = raNumbers();
        job.draw = &DrawRaScale;
    }
    job.cardText = job.circleLabel.left(2);
    return job;
}
