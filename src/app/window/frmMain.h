#pragma once

#include "app/window/DesignLayout.h"
#include "settings/SettingsModel.h"

#include <QColor>
#include <QMainWindow>
#include <array>

class CircleSetColumn;
class PageGroup;
class QLabel;
class QLineEdit;
class QPushButton;
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
    /// "Wrap tape...", with the length typed for it.
    void wrapTapeRequested(const QString& length);
    void proofSheetRequested();
    void previewProofSheetRequested();

protected:
    /// A new desktop palette: the fixed colours are chosen again.
    void changeEvent(QEvent* event) override;

private:
    /// The note's and the version's colours, readable on the window's palette.
    void showFixedColours();
    /// A size's diameter / length options and its unit options, the units' frame below them.
    struct SizeKindOptions {
        const char* prefix; ///< of the options' object names
        Option diameter;
        Option length;
        Option mm;
        Option inch;
    };
    void addSizeKind(QWidget* box, const SizeKindOptions& options, int top);
    QLineEdit* addSizeText(
        QWidget* parent, SizeText text, const char* name, const QString& accessibleName, int top);
    void buildLeftColumn();
    /// Its caption's Alt key takes the group to its size box.
    void labelSizeBox(QWidget* group, QLineEdit* sizeText);
    /// One Tab order: the left column's groups, each size group as size, its kind, its unit, its
    /// print button; then the circle sets, the commands and the "Page" group in reading order.
    void orderTabStops();
    void buildBottomRow();
    /// Enter in a size box presses its print button.
    void pressOnEnter(QLineEdit* sizeText, QPushButton* printButton);

    SettingsModel& m_model;
    DesignLayout m_layout;
    QWidget* m_design = nullptr;
    QLineEdit* m_declText = nullptr;
    QLineEdit* m_azText = nullptr;
    StatusLabel* m_status = nullptr;
    QLabel* m_version = nullptr;
    PageGroup* m_page = nullptr;
    QLabel* m_note = nullptr;
    std::array<CircleSetColumn*, kCircleSets> m_columns {};
};
