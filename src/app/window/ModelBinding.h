#pragma once

#include "settings/SettingsModel.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSlider;
class ValueLabel;

/// One-line, two-way bindings between the window's controls and the settings model. The model
/// decides every value (its write rules run the click handling); a control only asks for a change
/// and then shows what the model holds, so a refused change springs back.
namespace binding {

void bindOption(QRadioButton* button, SettingsModel& model, Option option);
/// The two options of a pair as one exclusive group: radio buttons to assistive technology, one
/// Tab stop (the selected option, or the first), the arrow keys move between them.
void pairOptions(QRadioButton* first, QRadioButton* second);
void bindCheck(QCheckBox* box, SettingsModel& model, Check check);
void bindSetCheck(QCheckBox* box, SettingsModel& model, int set);
void bindCheckTop(QCheckBox* box, SettingsModel& model, int set);
void bindText(QLineEdit* edit, SettingsModel& model, SizeText text);
/// The value label follows the slider, whoever moves it.
void bindSlider(QSlider* slider, ValueLabel* valueLabel, SettingsModel& model, Slider kind, int set);

} // namespace binding
