#pragma once

#include "settings/SettingsModel.h"

#include <QString>

/// One setting of the model addressed by kind, so the store and the settings file can each walk
/// their own order over the same controls and share one text form and one set of write rules.
class SettingField {
public:
    enum class Kind { Option, Check, Text, SetCheck, CheckTop, Slider };

    static SettingField option(Option o) { return SettingField(Kind::Option, static_cast<int>(o), 0); }
    static SettingField check(Check c) { return SettingField(Kind::Check, static_cast<int>(c), 0); }
    static SettingField text(SizeText t) { return SettingField(Kind::Text, static_cast<int>(t), 0); }
    static SettingField setCheck(int set) { return SettingField(Kind::SetCheck, 0, set); }
    static SettingField checkTop(int set) { return SettingField(Kind::CheckTop, 0, set); }
    static SettingField slider(Slider s, int set)
    {
        return SettingField(Kind::Slider, static_cast<int>(s), set);
    }

    Kind kind() const { return m_kind; }

    /// The value as written to the store and the file: "True"/"False", "0"/"1", the text as typed,
    /// the slider value as plain digits.
    QString valueText(const SettingsModel& model) const;

    /// Converts the text by the control's kind and puts it into the model, running the control's
    /// handling. False, with the model untouched, when the text does not convert or the control
    /// refuses the value (a check value outside 0..2, a slider value outside its range, a size text
    /// longer than SettingsModel::kMaxSizeTextLength).
    bool apply(SettingsModel& model, const QString& text) const;

private:
    SettingField(Kind kind, int which, int set)
        : m_kind(kind)
        , m_which(which)
        , m_set(set)
    { }

    Kind m_kind;
    int m_which;
    int m_set;
};
