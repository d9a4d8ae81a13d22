#pragma once

#include "app/DesignLayout.h"
#include "print/job/JobHost.h"
#include "settings/SettingsModel.h"

#include <QWidget>
#include <array>
#include <functional>

class CircleSetColumn;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// The program's one window: every setting bound to the settings model, the print and settings
/// buttons, and the status line. Sizes and positions follow the design layout in twips.
class frmMain : public QWidget {
    Q_OBJECT
public:
    /// What the buttons start; the application wires them to the print jobs and settings commands.
    struct Commands {
        std::function<void()> printAltitude;
        std::function<void()> printAzimuth;
        std::function<void()> reset;
        /// Writes the last-exit settings; false keeps the window open (the status line says why).
        std::function<bool()> exit;
        std::function<void()> save;
        std::function<void()> restore;
    };

    static constexpr int kClientWidthTwips = 9870;
    static constexpr int kClientHeightTwips = 5685;

    explicit frmMain(SettingsModel& model, QWidget* parent = nullptr);

    void setCommands(Commands commands) { m_commands = std::move(commands); }
    SettingsModel& model() { return m_model; }
    const DesignLayout& layout() const { return m_layout; }

    /// The version label text, shown when the window loads.
    void showVersion();
    /// Every value label shows its slider's value again.
    void refreshValueLabels();
    /// The window's top-left edge in twips; moving puts it back on a screen if it would be off all.
    QPointF positionTwips() const;
    void moveToTwips(double top, double left);

    void focusSizeText(SizeText which);

    static const QString kVersionText;

private:
    QRadioButton* addOption(QWidget* parent, Option option, const char* name, const QString& caption,
        const QFont& font, int left, int top, const QString& toolTip = QString());
    QCheckBox* addCheck(QWidget* parent, Check check, const char* name, const QString& caption, int left,
        int top, const QString& toolTip = QString());
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QFont& font,
        int left, int top, int width, int height, const QString& toolTip = QString());
    QWidget* addFrame(
        QWidget* parent, const QString& caption, const QFont& font, int left, int top, int width, int height);
    void buildLeftColumn();
    void buildBottomRow();
    void showStatus();
    void run(const std::function<void()>& command);

    SettingsModel& m_model;
    DesignLayout m_layout;
    Commands m_commands;
    QLineEdit* m_declText = nullptr;
    QLineEdit* m_azText = nullptr;
    QPushButton* m_printAzButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_version = nullptr;
    std::array<CircleSetColumn*, kCircleSets> m_columns {};
};
