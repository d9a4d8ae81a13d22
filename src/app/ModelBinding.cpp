#include "app/ModelBinding.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <functional>

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

// A click on a checked (or grayed) box clears it; on a clear box checks it.
void connectCheckBox(QCheckBox* box, std::function<qint16()> get, std::function<void(qint16)> set)
{
    showCheckValue(box, get());
    QObject::connect(box, &QCheckBox::clicked, box, [box, get, set] {
        set(get() == SettingsModel::kChecked ? SettingsModel::kUnchecked : SettingsModel::kChecked);
        showCheckValue(box, get());
    });
}

} // namespace

void bindOption(QRadioButton* button, SettingsModel& model, Option option)
{
    // The model keeps the pairs exclusive; Qt's own exclusivity could not show a pair with neither
    // selected, which the stored settings may ask for.
    button->setAutoExclusive(false);
    button->setChecked(model.option(option));
    QObject::connect(button, &QRadioButton::clicked, button, [button, &model, option] {
        model.setOption(option, true);
        const QSignalBlocker block(button);
        button->setChecked(model.option(option));
    });
    QObject::connect(
        &model, &SettingsModel::optionChanged, button, [button, option](Option changed, bool value) {
            if (changed != option)
                return;
            const QSignalBlocker block(button);
            button->setChecked(value);
        });
}

void bindCheck(QCheckBox* box, SettingsModel& model, Check check)
{
    connectCheckBox(
        box, [&model, check] { return model.check(check); },
        [&model, check](qint16 v) { model.setCheck(check, v); });
    QObject::connect(&model, &SettingsModel::checkChanged, box, [box, check](Check changed, qint16 value) {
        if (changed == check)
            showCheckValue(box, value);
    });
}

void bindSetCheck(QCheckBox* box, SettingsModel& model, int set)
{
    connectCheckBox(
        box, [&model, set] { return model.setCheck(set); },
        [&model, set](qint16 v) { model.setSetCheck(set, v); });
    QObject::connect(&model, &SettingsModel::setCheckChanged, box, [box, set](int changed, qint16 value) {
        if (changed == set)
            showCheckValue(box, value);
    });
}

void bindCheckTop(QCheckBox* box, SettingsModel& model, int set)
{
    connectCheckBox(
        box, [&model, set] { return model.checkTop(set); },
        [&model, set](qint16 v) { model.setCheckTop(set, v); });
    QObject::connect(&model, &SettingsModel::checkTopChanged, box, [box, set](int changed, qint16 value) {
        if (changed == set)
            showCheckValue(box, value);
    });
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

void bindSlider(QSlider* slider, QLabel* valueLabel, SettingsModel& model, Slider kind, int set)
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
            valueLabel->setText(QString::number(value));
        });
}

} // namespace binding
