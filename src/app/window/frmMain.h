#pragma once

#include "app/window/DesignLayout.h"
#include "settings/SettingsModel.h"

#include <QColor>
#include <QMainWindow>
#include <array>

class CircleSetColumn;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class StatusLabel;

/// The program's one window: the menu bar over the design area, which holds every setting bound to
/// the settings model, the print and settings buttons, and the status line. Sizes and positions
/// follow the design layout in twips. Buttons and menu commands are the same signals; Quit closes
/// the window itself.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 9870;
    /// The design area: the original window of 5685 twips and the "Page" group below it.
    static constexpr int kClientHeightTwips = 7425;

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
    /// The "Page" group's line naming the current printer's paper and orientation.
    void showPaper(const QString& paper);

    static const QString kVersionText;
    /// The blue note's and the version's colours on a light window.
    static const QColor kNoteColour;
    static const QColor kVersionColour;

    /// Whether anything answers printerScaleRequested.
    bool offersPrinterScale() const;

    /// The azimuth print button's caption with its mnemonic.
    static QString azimuthCaption(const QString& caption);
    /// The azimuth preview button's caption ("Preview Az.", "Preview RA") with its mnemonic.
    static QString azimuthPreviewCaption(const QString& caption);

Q_SIGNALS:
    void printAltitudeRequested();
    void printAzimuthRequested();
    void previewAltitudeRequested();
    void previewAzimuthRequested();
    void exportAltitudeRequested();
    void exportAzimuthRequested();
    void resetRequested();
    /// Exit leaves closing to whoever writes the last-exit settings: the window stays open when
    /// they can't be written.
    void exitRequested();
    void saveRequested();
    void restoreRequested();
    void userGuideRequested();
    void aboutRequested();
    /// The printer scale correction dialog; the menu offers it once something answers this.
    void printerScaleRequested();
    /// "Page Setup...": the current printer's paper and orientation, without printing.
    void pageSetupRequested();

protected:
    /// A new desktop palette: the fixed colours are chosen again.
    void changeEvent(QEvent* event) override;

private:
    /// The note's and the version's colours, readable on the window's palette.
    void showFixedColours();
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
    void buildPageRow();
    void buildMarksRow(QWidget* page);
    void labelZeroAt(QWidget* page);
    /// Enter in a size box presses its print button.
    void pressOnEnter(QLineEdit* sizeText, QPushButton* printButton);

    SettingsModel& m_model;
    DesignLayout m_layout;
    QWidget* m_design = nullptr;
    QLineEdit* m_declText = nullptr;
    QLineEdit* m_azText = nullptr;
    QLineEdit* m_zeroAt = nullptr;
    StatusLabel* m_status = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_paper = nullptr;
    QLabel* m_note = nullptr;
    std::array<CircleSetColumn*, kCircleSets> m_columns {};
};
