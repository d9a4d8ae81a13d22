#include "settings/SettingField.h"

#include "common/Numeric.h"
#include "common/RuntimeError.h"

QString SettingField::valueText(const SettingsModel& model) const
{
    switch (m_kind) {
    case Kind::Option:
        return numeric::booleanText(model.option(static_cast<Option>(m_which)));
    case Kind::Check:
        return QString::number(model.check(static_cast<Check>(m_which)));
    case Kind::Text:
        return model.text(static_cast<SizeText>(m_which));
    case Kind::SetCheck:
        return QString::number(model.setCheck(m_set));
    case Kind::CheckTop:
        return QString::number(model.checkTop(m_set));
    case Kind::Slider:
        return QString::number(model.slider(static_cast<Slider>(m_which), m_set));
    }
    return QString();
}

bool SettingField::apply(SettingsModel& model, const QString& text) const
{
    try {
        switch (m_kind) {
        case Kind::Option: {
            const auto value = numeric::parseBoolean(text);
            if (!value)
                return false;
            model.setOption(static_cast<Option>(m_which), *value);
            return true;
        }
        case Kind::Check:
        case Kind::SetCheck:
        case Kind::CheckTop: {
            const auto value = numeric::parseInt16(text);
            if (!value)
                return false;
            // The model throws for a value the box refuses, before it changes anything.
            if (m_kind == Kind::Check)
                model.setCheck(static_cast<Check>(m_which), *value);
            else if (m_kind == Kind::SetCheck)
                model.setSetCheck(m_set, *value);
            else
                model.setCheckTop(m_set, *value);
            return true;
        }
        case Kind::Text:
            // A longer text comes from an edited file: refused like any bad value, not cut.
            if (text.size() > SettingsModel::kMaxSizeTextLength)
                return false;
            model.setText(static_cast<SizeText>(m_which), text);
            return true;
        case Kind::Slider: {
            const auto slider = static_cast<Slider>(m_which);
            const auto value = numeric::parseInt32(text);
            const SliderRange range = SettingsModel::range(slider);
            // The model would clamp; a stored value outside the range is a bad value, not a wish.
            if (!value || *value < range.minimum || *value > range.maximum)
                return false;
            model.setSlider(slider, m_set, *value);
            return true;
        }
        }
    } catch (const RuntimeError&) {
        return false;
    }
    return false;
}
