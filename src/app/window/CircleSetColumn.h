#pragma once

#include "settings/SettingsModel.h"

#include <QWidget>
#include <array>

class DesignLayout;
class ValueLabel;

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

    /// Every value label shows its slider's value again.
    void refreshValueLabels();

private:
    /// The value labels' sizes on paper in the unit the sizes are typed in.
    void showUnit();

    int m_set;
    SettingsModel& m_model;
    std::array<ValueLabel*, 5> m_labels {};
};
