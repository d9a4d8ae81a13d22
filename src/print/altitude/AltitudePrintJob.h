#pragma once

#include "print/job/PrintJob.h"

/// The "Print Alt." job: one page of altitude strips, cards and captions for the enabled circle
/// sets, sized from the altitude entry.
class AltitudePrintJob : public PrintJob {
public:
    /// Reads the settings now, as the button is pressed.
    explicit AltitudePrintJob(const SettingsModel& model);

protected:
    Mode mode() const override;
};
