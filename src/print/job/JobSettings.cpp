#include "print/job/JobSettings.h"

#include "common/Numeric.h"

JobSettings JobSettings::read(const SettingsModel& model, SizeText sizeText)
{
    const bool altitude = sizeText == SizeText::Altitude;
    const auto checked = [](qint16 value) { return value == SettingsModel::kChecked; };

    JobSettings settings;
    settings.size = model.text(sizeText);
    settings.millimetres = model.option(altitude ? Option::Altmm : Option::Azmm);
    settings.length = model.option(altitude ? Option::AltLen : Option::AzLen);
    settings.smallestMark = model.smallestMark();
    settings.blackOnWhite = checked(model.check(Check::BW));
    settings.whiteOnBlack = checked(model.check(Check::WB));
    settings.azimuthDegrees = model.option(Option::Az);
    settings.azimuthIncreasing = checked(model.check(Check::AzCT));
    settings.scaleCheck = checked(model.check(Check::ScaleCheck));
    settings.splitLongStrips = checked(model.check(Check::SplitLong));
    settings.verniers = checked(model.check(Check::Verniers));
    settings.bothWays = checked(model.check(Check::BothWays));
    settings.rings = checked(model.check(Check::Rings));
    settings.halfDegree = checked(model.check(Check::HalfDeg));
    settings.signedDeclination = checked(model.check(Check::SignedDec));
    settings.closingTab = checked(model.check(Check::ClosingTab));
    settings.ringFromCentre = checked(model.check(Check::RingFromCentre));
    settings.zeroAt = numeric::parseDecimal(model.text(SizeText::ZeroAt));
    const ArcCircle circle = altitude
        ? (settings.signedDeclination ? ArcCircle::Declination : ArcCircle::Altitude)
        : (!settings.azimuthDegrees
                ? ArcCircle::Hours
                : (settings.azimuthIncreasing ? ArcCircle::AzimuthUp : ArcCircle::AzimuthDown));
    // Hours arcs end on the 10-minute marks.
    settings.arc = arcrange::read(model.text(SizeText::ArcFrom), model.text(SizeText::ArcTo), circle,
        circle == ArcCircle::Hours ? 1.0 / 6 : settings.smallestMark);
    for (int set = 1; set <= kCircleSets; ++set) {
        CircleSetSettings& values = settings.sets[static_cast<std::size_t>(set - 1)];
        values.enabled = model.circleEnabled(set);
        values.topLayout = checked(model.checkTop(set));
        for (Slider kind :
            { Slider::SmallMark, Slider::FiveMark, Slider::TenMark, Slider::CircleWidth, Slider::Font })
            values.sliders[static_cast<std::size_t>(kind)] = model.slider(kind, set);
    }
    return settings;
}
