#pragma once

#include "app/DesignLayout.h"
#include "settings/SettingsModel.h"

#include <QWidget>
#include <array>

class CircleSetColumn;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// The program's one window: every setting bound to the settings model, the print and settings
/// buttons, and the status line. Sizes and positions follow the design layout in twips. The
/// buttons' commands are signals; Quit closes the window itself.
class frmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 9870;
    /// The design height and the "Page" row below it.
    static constexpr int kClientHeightTwips = 6885;

    explicit frmMain(SettingsModel& model, QWidget* parent = nullptr);

    SettingsModel& model() { return m_model; }

    /// The version label text, shown when the window loads.
    void showVersion();
    /// Every value label shows its slider's value again.
    void refreshValueLabels();
    /// The window's top-left edge in twips; moving puts it back on a screen if it would be off all.
    QPointF positionTwips() const;
    void moveToTwips(double top, double left);

    void focusSizeText(SizeText which);

    /// A button in the "Page" group's row of buttons, after the ones there already ("Printer
    /// scale...", then the previews).
    QPushButton* addPageButton(const char* name, const QString& caption, const QString& toolTip = QString());

    static const QString kVersionText;

Q_SIGNALS:
    void printAltitudeRequested();
    void printAzimuthRequested();
    void resetRequested();
    /// Exit leaves closing to whoever writes the last-exit settings: the window stays open when
    /// they can't be written.
    void exitRequested();
    void saveRequested();
    void restoreRequested();
    void printerScaleRequested();

private:
    QRadioButton* addOption(QWidget* parent, Option option, const char* name, const QString& caption,
        const QFont& font, int left, int top, const QString& toolTip = QString());
    QCheckBox* addCheck(QWidget* parent, Check check, const char* name, const QString& caption, int left,
        int top, const QString& toolTip = QString());
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QFont& font,
        int left, int top, int width, int height, const QString& toolTip = QString());
    QWidget* addFrame(
        QWidget* parent, const QString& caption, const QFont& font, int left, int top, int width, int height);
    QLineEdit* addSizeText(
        QWidget* parent, SizeText text, const char* name, const QString& accessibleName, int top);
    void buildLeftColumn();
    void buildBottomRow();
    void buildPageGroup();
    void showStatus();

    SettingsModel& m_model;
    DesignLayout m_layout;
    QLineEdit* m_declText = nullptr;
    QLineEdit* m_azText = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_version = nullptr;
    QWidget* m_pageGroup = nullptr;
    int m_pageButtons = 0;
    std::array<CircleSetColumn*, kCircleSets> m_columns {};
};
