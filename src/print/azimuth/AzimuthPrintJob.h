#pragma once

#include "print/job/PrintJob.h"

/// The "Print Az." / "Print RA" job: one page of azimuth (degrees) or RA (hours) strips, cards and
/// captions for the enabled circle sets, sized from the azimuth entry.
class AzimuthPrintJob : public PrintJob {
public:
    /// Reads the settings now, as the button is pressed.
    explicit AzimuthPrintJob(const SettingsModel& model);

protected:
    Mode mode() const override;
};
