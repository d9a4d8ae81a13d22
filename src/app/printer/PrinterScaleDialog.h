#pragma once

#include <optional>

#include "print/sheets/CalibrationPage.h"
#include "settings/PrinterScales.h"

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;

/// What the printer-scale dialog works with: the current printer, its calibration page and the
/// factors kept for it. Any member may throw RuntimeError.
class PrinterScaleHost {
public:
    virtual ~PrinterScaleHost() = default;
    virtual QString printerName() = 0;
    /// The bars of the calibration page on the printer's paper.
    virtual CalibrationBars bars() = 0;
    virtual ScaleFactors factors() = 0;
    /// Why what is kept for the printer is not used; nothing when it is, or nothing is kept.
    virtual std::optional<QString> unusableFactors() { return std::nullopt; }
    /// Shows the print dialog and prints the calibration page on the printer chosen there, which
    /// is then the current one. False when the dialog was cancelled.
    virtual bool printCalibrationPage() = 0;
    /// Keeps the factors for the printer at once; false with the reason when they can't be kept.
    virtual bool keepFactors(const ScaleFactors& factors, QString& reason) = 0;
};

/// "Printer scale...": prints a calibration page on the current printer, takes the two lengths the
/// user measured on it and keeps nominal / measured as the printer's factors. An entry that is not
/// a positive number or gives a factor outside 0.9..1.1 is refused in the dialog and nothing is
/// kept; Reset returns the printer to 1 and 1.
class PrinterScaleDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrinterScaleDialog(PrinterScaleHost& host, QWidget* parent = nullptr);

    /// What the dialog last did, for the window's status line ("" when nothing was kept).
    const QString& outcome() const { return m_outcome; }

    /// OK: keeps the factors from the two lengths, or says why not and stays open.
    void accept() override;

private:
    void printCalibration();
    void resetFactors();
    /// Shows the current printer, its bars and its factors.
    void refresh();
    void showMessage(const QString& text, bool error);
    /// The nominal length of the bar along the paper's width (0) or length (1).
    int nominalMm(std::size_t bar) const;

    PrinterScaleHost& m_host;
    CalibrationBars m_bars;
    QString m_outcome;
    QLabel* m_printer = nullptr;
    /// A bar's nominal length and where the user types what it measured.
    struct MeasuredBar {
        QLabel* label = nullptr;
        QLineEdit* text = nullptr;
    };
    /// Along the paper's width, then along its length.
    std::array<MeasuredBar, 2> m_measured;
    QLabel* m_factors = nullptr;
    QLabel* m_message = nullptr;
};
