#include "settings/SettingsModel.h"

#include "common/RuntimeError.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
const QString kPrintAzCaption = QStringLiteral("Print Az.");
const QString kPrintRaCaption = QStringLiteral("Print RA");
const char* const kBothStylesRefused
    = QT_TRANSLATE_NOOP("SettingsModel", "Cannot uncheck both circle styles.");
} // namespace

SettingsModel::SettingsModel(QObject* parent)
    : QObject(parent)
    , m_azimuthButtonCaption(kPrintAzCaption)
{
    // The controls' design values; loading the last-exit settings overwrites them.
    for (Option o :
        { Option::OneDeg, Option::AltDia, Option::Altin, Option::AzDia, Option::Azin, Option::Az })
        m_options[index(o)] = true;
    m_checks[index(Check::BW)] = kChecked;
    m_checks[index(Check::AzCT)] = kChecked;
    m_texts = { QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("0"), QString(), QString() };
    for (int set = 1; set <= kCircleSets; ++set) {
        m_setChecks[setIndex(set)] = defaultSetCheck(set);
        m_checkTops[setIndex(set)] = kChecked;
        for (Slider s :
            { Slider::SmallMark, Slider::FiveMark, Slider::TenMark, Slider::CircleWidth, Slider::Font })
            m_sliders[setIndex(set)][index(s)] = defaultSliderValue(s, set);
    }
    refreshCircleEnabled();
}

SliderRange SettingsModel::range(Slider slider)
{
    switch (slider) {
    case Slider::SmallMark:
    case Slider::FiveMark:
    case Slider::TenMark:
        return { 1, 5, 1, 1, 1 };
    case Slider::CircleWidth:
        return { 50, 200, 50, 50, 50 };
    case Slider::Font:
        return { 4, 14, 1, 2, 2 };
    }
    return { 0, 0, 0, 0, 0 };
}

qint32 SettingsModel::defaultSliderValue(Slider slider, int set)
{
    switch (slider) {
    case Slider::SmallMark:
        return set == 1 ? 2 : 3;
    case Slider::FiveMark:
    case Slider::TenMark:
        return set == 3 ? 4 : 3;
    case Slider::CircleWidth:
        return 100;
    case Slider::Font:
        return 10;
    }
    return 0;
}

qint16 SettingsModel::defaultSetCheck(int set)
{
    return set == 1 ? kChecked : kUnchecked;
}

std::size_t SettingsModel::setIndex(int set)
{
    Q_ASSERT(set >= 1 && set <= kCircleSets);
    return static_cast<std::size_t>(std::clamp(set, 1, kCircleSets) - 1);
}

Option SettingsModel::partner(Option o)
{
    const auto i = static_cast<int>(o);
    return static_cast<Option>(i % 2 == 0 ? i + 1 : i - 1);
}

void SettingsModel::requireCheckValue(qint16 value)
{
    if (value < kUnchecked || value > kGrayed)
        throw RuntimeError::invalidPropertyValue();
}

void SettingsModel::setOption(Option o, bool value)
{
    if (!value) {
        if (m_options[index(o)]) {
            m_options[index(o)] = false;
            Q_EMIT optionChanged(o, false);
        }
        return;
    }
    if (m_options[index(o)])
        return;
    const Option other = partner(o);
    if (m_options[index(other)]) {
        m_options[index(other)] = false;
        Q_EMIT optionChanged(other, false);
    }
    m_options[index(o)] = true;
    Q_EMIT optionChanged(o, true);
    optionClicked(o);
}

void SettingsModel::optionClicked(Option o)
{
    switch (o) {
    case Option::OneDeg:
        setSmallestMark(1.0);
        break;
    case Option::FiveDeg:
        setSmallestMark(5.0);
        break;
    case Option::Az:
        setAzimuthButtonCaption(kPrintAzCaption);
        break;
    case Option::Ra:
        setAzimuthButtonCaption(kPrintRaCaption);
        break;
    default:
        break;
    }
}

void SettingsModel::setCheck(Check c, qint16 value)
{
    requireCheckValue(value);
    if (!replace(m_checks[index(c)], value))
        return;
    Q_EMIT checkChanged(c, value);
    if (c == Check::BW || c == Check::WB)
        styleGuard(c);
}

void SettingsModel::styleGuard(Check clicked)
{
    if (m_checks[index(Check::BW)] == kUnchecked && m_checks[index(Check::WB)] == kUnchecked) {
        setCheck(clicked, kChecked); // runs the guard again, which clears the status text
        m_status.setColor(StatusLine::kErrorColor);
        m_status.setText(QCoreApplication::translate("SettingsModel", kBothStylesRefused));
    } else {
        m_status.setText(QString());
    }
}

void SettingsModel::setSetCheck(int set, qint16 value)
{
    requireCheckValue(value);
    if (!replace(m_setChecks[setIndex(set)], value))
        return;
    Q_EMIT setCheckChanged(set, value);
    m_circleEnabled[setIndex(set)] = value != kUnchecked;
}

void SettingsModel::setCheckTop(int set, qint16 value)
{
    requireCheckValue(value);
    if (!replace(m_checkTops[setIndex(set)], value))
        return;
    Q_EMIT checkTopChanged(set, value);
}

void SettingsModel::setText(SizeText t, const QString& value)
{
    QString text = value.left(kMaxSizeTextLength);
    if (text.size() < value.size() && !text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1); // never half a character
    if (!replace(m_texts[index(t)], text))
        return;
    Q_EMIT textChanged(t, text);
}

void SettingsModel::setSlider(Slider s, int set, qint32 value)
{
    const SliderRange r = range(s);
    const qint32 clamped = std::clamp(value, r.minimum, r.maximum);
    if (!replace(m_sliders[setIndex(set)][index(s)], clamped))
        return;
    Q_EMIT sliderChanged(s, set, clamped);
}

void SettingsModel::setSmallestMark(double value)
{
    m_smallestMark = value;
    Q_EMIT smallestMarkChanged(value);
}

void SettingsModel::refreshCircleEnabled()
{
    for (int set = 1; set <= kCircleSets; ++set)
        m_circleEnabled[setIndex(set)] = m_setChecks[setIndex(set)] != kUnchecked;
}

void SettingsModel::setAzimuthButtonCaption(const QString& caption)
{
    if (!replace(m_azimuthButtonCaption, caption))
        return;
    Q_EMIT azimuthButtonCaptionChanged(caption);
}
