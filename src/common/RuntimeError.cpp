#include "common/RuntimeError.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(int number, const QString& description, const QString& source)
    : std::runtime_error(QStringLiteral("Error %1: %2").arg(number).arg(description).toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source)
{ }

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(6, QCoreApplication::translate("RuntimeError", "Overflow"));
}

RuntimeError RuntimeError::typeMismatch()
{
    return RuntimeError(13, QCoreApplication::translate("RuntimeError", "Type mismatch"));
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return RuntimeError(380, QCoreApplication::translate("RuntimeError", "Invalid property value"));
}
