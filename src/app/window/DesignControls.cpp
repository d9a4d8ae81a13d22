#include "app/window/DesignControls.h"

#include "app/window/DesignLayout.h"
#include "app/window/ModelBinding.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

DesignControls::DesignControls(const DesignLayout& layout, SettingsModel& model)
    : m_layout(layout)
    , m_model(model)
{ }

QWidget* DesignControls::frame(QWidget* parent, const QString& caption, const QFont& font, int left, int top,
    int width, int height) const
{
    QWidget* frame = nullptr;
    if (caption.isEmpty()) {
        frame = new QWidget(parent);
    } else {
        auto* box = new QGroupBox(caption, parent);
        box->setFont(font);
        frame = box;
    }
    m_layout.place(frame, left, top, width, height);
    return frame;
}

QRadioButton* DesignControls::option(QWidget* parent, Option option, const char* name, const QString& caption,
    const QFont& font, int left, int top, const QString& toolTip) const
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setToolTip(toolTip);
    m_layout.place(button, left, top);
    binding::bindOption(button, m_model, option);
    return button;
}

QCheckBox* DesignControls::check(QWidget* parent, Check check, const char* name, const QString& caption,
    int left, int top, const QString& toolTip) const
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(m_layout.arial(8.25));
    box->setToolTip(toolTip);
    m_layout.place(box, left, top);
    binding::bindCheck(box, m_model, check);
    return box;
}

QPushButton* DesignControls::button(QWidget* parent, const char* name, const QString& caption,
    const QFont& font, int left, int top, int width, int height, const QString& toolTip) const
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setToolTip(toolTip);
    m_layout.place(button, left, top, width, height);
    return button;
}
