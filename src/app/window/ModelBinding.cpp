#include "app/window/ModelBinding.h"

#include "app/window/ValueLabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <type_traits>

namespace binding {
namespace {

void showCheckValue(QCheckBox* box, qint16 value)
{
    const QSignalBlocker block(box);
    if (value == SettingsModel::kGrayed) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setTristate(false);
        box->setCheckState(value == SettingsModel::kUnchecked ? Qt::Unchecked : Qt::Checked);
    }
}

// A check box bound to one of the model's check values, found by key: the model's getter, its
// setter and the signal that tells of a change. A click on a checked (or grayed) box clears it; on
// a clear box checks it.
template <typename Key>
void bindCheckValue(QCheckBox* box, SettingsModel& model, Key key,
    qint16 (SettingsModel::*get)(std::type_identity_t<Key>) const,
    void (SettingsModel::*set)(std::type_identity_t<Key>, qint16),
    void (SettingsModel::*changed)(std::type_identity_t<Key>, qint16))
{
    showCheckValue(box, (model.*get)(key));
    QObject::connect(box, &QCheckBox::clicked, box, [box, &model, key, get, set] {
        (model.*set)(key,
            (model.*get)(key) == SettingsModel::kChecked ? SettingsModel::kUnchecked
                                                         : SettingsModel::kChecked);
        showCheckValue(box, (model.*get)(key));
    });
    QObject::connect(&model, changed, box, [box, key](Key which, qint16 value) {
        if (which == key)
            showCheckValue(box, value);
    });
}

// Tab reaches a pair once, at its selected option; with neither selected, at the first.
void keepOneTabStop(QButtonGroup* group)
{
    const QList<QAbstractButton*> buttons = group->buttons();
    QAbstractButton* stop = group->checkedButton() ? group->checkedButton() : buttons.value(0);
    for (QAbstractButton* button : buttons) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void showOption(QRadioButton* button, bool selected)
{
    const QSignalBlocker block(button);
    QButtonGroup* group = button->group();
    if (!selected && group && group->exclusive() && button->isChecked()) {
        // The model may leave a pair with neither selected, which an exclusive group refuses.
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    } else {
        button->setChecked(selected);
    }
    if (group && selected)
        keepOneTabStop(group);
}

} // namespace

void bindOption(QRadioButton* button, SettingsModel& model, Option option)
{
    button->setChecked(model.option(option));
    QObject::connect(button, &QRadioButton::clicked, button, [button, &model, option] {
        model.setOption(option, true);
        showOption(button, model.option(option));
    });
    QObject::connect(
        &model, &SettingsModel::optionChanged, button, [button, option](Option changed, bool value) {
            if (changed == option)
                showOption(button, value);
        });
}

void pairOptions(QRadioButton* first, QRadioButton* second)
{
    auto* group = new QButtonGroup(first->parent());
    group->addButton(first);
    group->addButton(second);
    keepOneTabStop(group);
}

void bindCheck(QCheckBox* box, SettingsModel& model, Check check)
{
    bindCheckValue(
        box, model, check, &SettingsModel::check, &SettingsModel::setCheck, &SettingsModel::checkChanged);
}

void bindSetCheck(QCheckBox* box, SettingsModel& model, int set)
{
    bindCheckValue(box, model, set, &SettingsModel::setCheck, &SettingsModel::setSetCheck,
        &SettingsModel::setCheckChanged);
}

void bindCheckTop(QCheckBox* box, SettingsModel& model, int set)
{
    bindCheckValue(box, model, set, &SettingsModel::checkTop, &SettingsModel::setCheckTop,
        &SettingsModel::checkTopChanged);
}

void bindText(QLineEdit* edit, SettingsModel& model, SizeText text)
{
    edit->setMaxLength(static_cast<int>(SettingsModel::kMaxSizeTextLength));
    edit->setText(model.text(text));
    QObject::connect(edit, &QLineEdit::textEdited, edit,
        [&model, text](const QString& value) { model.setText(text, value); });
    QObject::connect(
        &model, &SettingsModel::textChanged, edit, [edit, text](SizeText changed, const QString& value) {
            if (changed == text && edit->text() != value)
                edit->setText(value);
        });
}

void bindSlider(QSlider* slider, ValueLabel* valueLabel, SettingsModel& model, Slider kind, int set)
{
    const SliderRange range = SettingsModel::range(kind);
    slider->setRange(range.minimum, range.maximum);
    slider->setSingleStep(range.arrowStep);
    slider->setPageStep(range.pageStep);
    slider->setTickInterval(range.tickInterval);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(model.slider(kind, set));
    QObject::connect(slider, &QSlider::valueChanged, slider,
        [&model, kind, set](int value) { model.setSlider(kind, set, value); });
    QObject::connect(&model, &SettingsModel::sliderChanged, slider,
        [slider, valueLabel, kind, set](Slider changed, int changedSet, qint32 value) {
            if (changed != kind || changedSet != set)
                return;
            const QSignalBlocker block(slider);
            slider->setValue(value);
            valueLabel->showValue(value);
        });
}

} // namespace binding
