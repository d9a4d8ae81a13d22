#pragma once

#include "settings/SettingsModel.h"

#include <QGroupBox>
#include <vector>

class DesignControls;
class DesignLayout;
class QLabel;
class QLineEdit;

/// The "Page" group below the design layout: the page options, the printer's scale and page setup,
/// the current printer's paper, and the previews of the sheets before anything is printed.
class PageGroup : public QGroupBox {
    Q_OBJECT
public:
    /// Its place in the window, in twips.
    static constexpr int kLeft = 120;
    static constexpr int kTop = 5685;

    PageGroup(SettingsModel& model, const DesignLayout& layout, QWidget* parent);

    /// The line naming the current printer's paper and orientation.
    void showPaper(const QString& paper);
    void focusZeroAt();
    /// The group's controls that Tab stops at, in reading order: line by line, left to right.
    std::vector<QWidget*> tabStops() const;
    void focusArc();

    /// The azimuth preview button's caption ("Preview Az.", "Preview RA") with its mnemonic.
    static QString azimuthPreviewCaption(const QString& caption);

Q_SIGNALS:
    void printerScaleRequested();
    void pageSetupRequested();
    void previewAltitudeRequested();
    void previewAzimuthRequested();

private:
    void addChecks(const DesignControls& controls, SettingsModel& model, const DesignLayout& layout);
    void addButtons(const DesignControls& controls, SettingsModel& model, const DesignLayout& layout);
    void labelZeroAt(const DesignLayout& layout);

    QLineEdit* m_zeroAt = nullptr;
    QLineEdit* m_arcFrom = nullptr;
    QLineEdit* m_arcTo = nullptr;
    QLabel* m_paper = nullptr;
};
