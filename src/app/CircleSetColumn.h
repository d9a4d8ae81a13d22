#pragma once

#include "settings/SettingsModel.h"

#include <QWidget>
#include <array>

class DesignLayout;
class QCheckBox;
class QLabel;
class QSlider;

/// The controls of one circle set: its print box, "Scale on Top", and the five sliders with their
/// value labels, each slider in its own captioned frame.
class CircleSetColumn : public QWidget {
    Q_OBJECT
public:
    /// Left edges in twips within the window: the slider frames, SetCheck and CheckTop.
    struct Lefts {
        int frames;
        int setCheck;
        int checkTop;
    };
    /// The column's own origin in the window, in twips.
    static constexpr int kOriginOffset = 120;

    CircleSetColumn(int set, Lefts lefts, SettingsModel& model, const DesignLayout& layout, QWidget* parent);

    QCheckBox* setCheckBox() const { return m_setCheck; }
    QCheckBox* checkTopBox() const { return m_checkTop; }
    QSlider* slider(Slider kind) const { return m_sliders[static_cast<std::size_t>(kind)]; }
    QLabel* valueLabel(Slider kind) const { return m_labels[static_cast<std::size_t>(kind)]; }
    /// Every value label shows its slider's value again.
    void refreshValueLabels();

    static QString frameCaption(Slider kind);

private:
    int m_set;
    SettingsModel& m_model;
    QCheckBox* m_setCheck = nullptr;
    QCheckBox* m_checkTop = nullptr;
    std::array<QSlider*, 5> m_sliders {};
    std::array<QLabel*, 5> m_labels {};
};
