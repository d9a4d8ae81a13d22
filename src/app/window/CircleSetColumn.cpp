#include "app/window/CircleSetColumn.h"

#include "app/window/DesignLayout.h"
#include "app/window/ModelBinding.h"
#include "app/window/ValueLabel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QSlider>

namespace {

struct SliderFrameDesign {
    Slider kind;
    ValueLabel::Measure measure;
    const char* name; // object name prefix
    const char* caption;
    int top;
    bool boldCaption;
};

const SliderFrameDesign kFrames[] = {
    { Slider::SmallMark, ValueLabel::Measure::Line, "SmallMark",
        QT_TRANSLATE_NOOP("CircleSetColumn", "Smallest Mark Width"), 840, true },
    { Slider::FiveMark, ValueLabel::Measure::Line, "FiveMark",
        QT_TRANSLATE_NOOP("CircleSetColumn", "5° Mark Width"), 1560, true },
    { Slider::TenMark, ValueLabel::Measure::Line, "TenMark",
        QT_TRANSLATE_NOOP("CircleSetColumn", "10° Mark Width"), 2280, true },
    { Slider::CircleWidth, ValueLabel::Measure::Height, "CircleWidth",
        QT_TRANSLATE_NOOP("CircleSetColumn", "Circle Height"), 3000, false },
    { Slider::Font, ValueLabel::Measure::Font, "Font", QT_TRANSLATE_NOOP("CircleSetColumn", "Text Font Size"),
        3720, false },
};

const char* const kSetCaptions[] = { QT_TRANSLATE_NOOP("CircleSetColumn", "&1st Circle to Print"),
    QT_TRANSLATE_NOOP("CircleSetColumn", "&2nd Circle to Print"),
    QT_TRANSLATE_NOOP("CircleSetColumn", "&3rd Circle to Print") };

} // namespace

CircleSetColumn::CircleSetColumn(
    int set, Lefts lefts, SettingsModel& model, const DesignLayout& layout, QWidget* parent)
    : QWidget(parent)
    , m_set(set)
    , m_model(model)
{
    const int origin = lefts.frames - kOriginOffset;
    setObjectName(QStringLiteral("CircleSet%1").arg(set));
    layout.place(this, origin, 0, 2400, 4440);

    auto* setCheck = new QCheckBox(tr(kSetCaptions[set - 1]), this);
    setCheck->setObjectName(QStringLiteral("SetCheck%1").arg(set));
    setCheck->setFont(layout.arial(9.75, true, false, true));
    layout.place(setCheck, lefts.setCheck - origin, 120, 2055, 312);
    binding::bindSetCheck(setCheck, model, set);

    auto* checkTop = new QCheckBox(tr("Scale on Top"), this);
    checkTop->setObjectName(QStringLiteral("CheckTop%1").arg(set));
    checkTop->setFont(layout.arial(8.25));
    checkTop->setAccessibleName(tr("Scale on Top %1").arg(set));
    layout.place(checkTop, lefts.checkTop - origin, 480, 1875, 255);
    binding::bindCheckTop(checkTop, model, set);

    for (const auto& design : kFrames) {
        const QString caption = tr(design.caption);
        auto* frame = new QGroupBox(caption, this);
        frame->setFont(layout.arial(design.boldCaption ? 7.5 : 8.25, design.boldCaption));
        layout.place(frame, lefts.frames - origin, design.top, 2115, 615);

        auto* slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QStringLiteral("%1Slider%2").arg(QLatin1String(design.name)).arg(set));
        slider->setAccessibleName(QStringLiteral("%1 %2").arg(caption).arg(set));
        layout.place(slider, 120, 240, 1575, 255);

        auto* label = new ValueLabel(slider->accessibleName(), design.measure, frame);
        label->setObjectName(QStringLiteral("%1Label%2").arg(QLatin1String(design.name)).arg(set));
        label->setFont(layout.arial(7.5, true));
        layout.place(label, 1740, 240, 255, 255);

        m_labels[static_cast<std::size_t>(design.kind)] = label;
        binding::bindSlider(slider, label, model, design.kind, set);
    }
    showUnit();
    connect(&model, &SettingsModel::optionChanged, this, [this](Option option) {
        if (option == Option::Altin || option == Option::Altmm || option == Option::Azin
            || option == Option::Azmm)
            showUnit();
    });
}

void CircleSetColumn::showUnit()
{
    // Inches where the user measures both circles in inches.
    const bool inches = m_model.option(Option::Altin) && m_model.option(Option::Azin);
    for (ValueLabel* label : m_labels)
        label->setInches(inches);
}

void CircleSetColumn::refreshValueLabels()
{
    for (const auto& design : kFrames)
        m_labels[static_cast<std::size_t>(design.kind)]->showValue(m_model.slider(design.kind, m_set));
}
