#pragma once

#include <QString>
#include <stdexcept>

/// A numbered run-time error: number, source and description, as the program reports failures.
/// Print jobs catch it (and every other exception) at their failure regions.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& description, const QString& source = QStringLiteral("Vennaros"));

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }

    static RuntimeError overflow();
    static RuntimeError typeMismatch();
    static RuntimeError invalidPropertyValue();

private:
    int m_number;
    QString m_description;
    QString m_source;
};
