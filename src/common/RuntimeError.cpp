#include "common/RuntimeError.h"

RuntimeError::RuntimeError(int number, const QString& description, const QString& source)
    : std::runtime_error(QStringLiteral("Error %1: %2").arg(number).arg(description).toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source)
{ }

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(6, QStringLiteral("Overflow"));
}

RuntimeError RuntimeError::typeMismatch()
{
    return RuntimeError(13, QStringLiteral("Type mismatch"));
}

RuntimeError RuntimeError::invalidPropertyValue()
{
    return RuntimeError(380, QStringLiteral("Invalid property value"));
}
