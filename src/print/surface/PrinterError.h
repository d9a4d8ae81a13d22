#pragma once

#include "common/RuntimeError.h"

/// The printer refused the document or could not be reached (the device, the queue or the file);
/// reason, when given, says why in a few words for a message.
inline RuntimeError printerError(const QString& reason = QString())
{
    return RuntimeError(482, reason.isEmpty() ? QStringLiteral("Printer error") : reason);
}
