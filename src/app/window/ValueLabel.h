#pragma once

#include <QLabel>

/// The bold number beside a slider. Its accessible name says what the number is and the number
/// itself, which a plain label with a name would hide from a screen reader.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    /// subject names the slider, "Smallest Mark Width 1"; the label shows its design text until
    /// the first value.
    ValueLabel(const QString& subject, QWidget* parent);

    void showValue(qint32 value);

private:
    QString m_subject;
};
