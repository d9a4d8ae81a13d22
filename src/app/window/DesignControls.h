#pragma once

#include "settings/SettingsModel.h"

#include <QFont>
#include <QString>

class DesignLayout;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QWidget;

/// Makes the window's controls at their design places (twips within their parent), the options and
/// check boxes bound to the settings model.
class DesignControls {
public:
    DesignControls(const DesignLayout& layout, SettingsModel& model);

    /// A captioned group box, or without a caption a borderless frame that only groups its options.
    QWidget* frame(QWidget* parent, const QString& caption, const QFont& font, int left, int top, int width,
        int height) const;
    QRadioButton* option(QWidget* parent, Option option, const char* name, const QString& caption,
        const QFont& font, int left, int top, const QString& toolTip = QString()) const;
    QCheckBox* check(QWidget* parent, Check check, const char* name, const QString& caption, int left,
        int top, const QString& toolTip = QString()) const;
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QFont& font,
        int left, int top, int width, int height, const QString& toolTip = QString()) const;

private:
    const DesignLayout& m_layout;
    SettingsModel& m_model;
};
