#include "app/window/ValueLabel.h"

ValueLabel::ValueLabel(const QString& subject, QWidget* parent)
    : QLabel(QStringLiteral("n"), parent)
    , m_subject(subject)
{
    setAccessibleName(subject);
}

void ValueLabel::showValue(qint32 value)
{
    const QString number = QString::number(value);
    setText(number);
    setAccessibleName(m_subject + QStringLiteral(": ") + number);
}
