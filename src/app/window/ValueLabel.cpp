#include "app/window/ValueLabel.h"

#include "print/page/PageUnits.h"

#include <QLocale>

ValueLabel::ValueLabel(const QString& subject, Measure measure, QWidget* parent)
    : QLabel(QStringLiteral("n"), parent)
    , m_subject(subject)
    , m_measure(measure)
{
    setAccessibleName(subject);
}

void ValueLabel::showValue(qint32 value)
{
    const QString number = QString::number(value);
    setText(number);
    setAccessibleName(m_subject + QStringLiteral(": ") + number);
    m_value = value;
    describe();
}

void ValueLabel::setInches(bool inches)
{
    m_inches = inches;
    describe();
}

void ValueLabel::describe()
{
    if (!m_value)
        return;
    const QString text = onPaper(m_measure, *m_value, m_inches);
    setToolTip(text);
    setAccessibleDescription(text);
}

QString ValueLabel::onPaper(Measure measure, qint32 value, bool inches)
{
    constexpr double kMmPerPoint = kMmPerInch / 72.0;
    double mm = 0;
    int decimals = 0; // enough to tell one step of the slider from the next
    switch (measure) {
    case Measure::Line:
        mm = value * kTwipsPerDot / kTwipsPerMm;
        decimals = 3;
        break;
    case Measure::Height:
        mm = value / kTwipsPerMm;
        decimals = 2;
        break;
    case Measure::Font:
        mm = value * kMmPerPoint;
        decimals = 1;
        break;
    }
    const QLocale locale;
    const QString size = inches ? tr("%1 in.").arg(locale.toString(mm / kMmPerInch, 'f', decimals + 1))
                                : tr("%1 mm").arg(locale.toString(mm, 'f', decimals));
    switch (measure) {
    case Measure::Line:
        return tr("%1 = %2 line").arg(value).arg(size);
    case Measure::Height:
        return tr("%1 = %2").arg(value).arg(size);
    case Measure::Font:
        break;
    }
    return tr("%1 pt = %2 digits").arg(value).arg(size);
}
