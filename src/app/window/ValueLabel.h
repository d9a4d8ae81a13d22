#pragma once

#include <QLabel>
#include <optional>

/// The bold number beside a slider. Its accessible name says what the number is and the number
/// itself, which a plain label with a name would hide from a screen reader; its tool tip and
/// accessible description say what the number comes to on paper.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    /// What a slider's number measures on paper: a mark's line width in 600 dpi dots, a mark's
    /// height in twips, or the numbers' font size in points.
    enum class Measure { Line, Height, Font };

    /// subject names the slider, "Smallest Mark Width 1"; the label shows its design text until
    /// the first value.
    ValueLabel(const QString& subject, Measure measure, QWidget* parent);
    void showValue(qint32 value);
    /// The size on paper in inches instead of millimetres.
    void setInches(bool inches);

    /// "2 = 0.085 mm line", "100 = 1.76 mm", "10 pt = 3.5 mm digits".
    static QString onPaper(Measure measure, qint32 value, bool inches);

private:
    void describe();

    QString m_subject;
    Measure m_measure;
    std::optional<qint32> m_value;
    bool m_inches = false;
};
