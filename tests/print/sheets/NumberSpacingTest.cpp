// Numbers that run into each other at the chosen font size: the sheets say which size fits.
#include "ScriptedJobHost.h"
#include "print/altitude/AltitudePrintJob.h"
#include "print/azimuth/AzimuthPrintJob.h"
#include "support/ScriptedPrinters.h"

#include <gtest/gtest.h>

namespace {

struct SpacingRow {
    const char* name;
    bool azimuth;
    bool ring;
    const char* size; ///< mm, a diameter
    int font; ///< points
    const char* zeroAt;
    int fits; ///< the largest font size named; 0: no warning
};

class NumberSpacing : public ::testing::TestWithParam<SpacingRow> { };

TEST_P(NumberSpacing, TheFirstSheetNamesTheLargestFontThatFits)
{
    const SpacingRow& row = GetParam();
    SettingsModel model;
    model.setText(row.azimuth ? SizeText::Azimuth : SizeText::Altitude, QString::fromLatin1(row.size));
    model.setOption(row.azimuth ? Option::Azmm : Option::Altmm, true);
    model.setCheck(Check::Rings, row.ring ? SettingsModel::kChecked : SettingsModel::kUnchecked);
    model.setText(SizeText::ZeroAt, QString::fromLatin1(row.zeroAt));
    model.setSlider(Slider::Font, 1, row.font);
    ScriptedPrinter printer { QStringLiteral("Laser") };
    ScriptedJobHost host(model, 0);
    host.usePrinter(&printer);
    if (row.azimuth)
        host.run(AzimuthPrintJob(model));
    else
        host.run(AltitudePrintJob(model));
    ASSERT_EQ(model.status().text(), QString());
    ASSERT_EQ(printer.documents().size(), 1u);
    const std::vector<Page>& sheets = printer.documents().back();
    ASSERT_FALSE(sheets.empty());
    EXPECT_EQ(sheets.front().numbersFit, row.fits);
    for (std::size_t i = 1; i < sheets.size(); ++i)
        EXPECT_EQ(sheets[i].numbersFit, 0) << "named once, for the job";
}

// At 10 points a 3-digit number is 333 twips wide; a 60 mm strip has 297 twips between long marks.
// Zero at 180 starts the strip with "180" reaching right over "190", whatever the size.
INSTANTIATE_TEST_SUITE_P(Jobs, NumberSpacing,
    ::testing::Values(SpacingRow { "Strip60At10", true, false, "60", 10, "0", 8 },
        SpacingRow { "Strip60At9", true, false, "60", 9, "0", 8 },
        SpacingRow { "Strip60At8", true, false, "60", 8, "0", 0 },
        SpacingRow { "Strip60At7", true, false, "60", 7, "0", 0 },
        SpacingRow { "AltitudeStrip60At10", false, false, "60", 10, "0", 0 },
        SpacingRow { "Strip60ZeroAt180At8", true, false, "60", 8, "180", 3 },
        SpacingRow { "Ring60At10", true, true, "60", 10, "0", 6 },
        SpacingRow { "Ring150At10", true, true, "150", 10, "0", 0 },
        SpacingRow { "AltitudeRing60At14", false, true, "60", 14, "0", 8 }),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
