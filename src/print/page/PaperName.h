#pragma once

#include <QPageSize>
#include <QString>
#include <optional>

/// A paper size by its usual name ("A4", "letter", "US Legal"), whatever the case and blanks.
std::optional<QPageSize> paperNamed(const QString& name);
