#pragma once

#include "common/RuntimeError.h"

/// The printer refused the document or could not be reached (the device, the queue or the file);
/// reason, when given, says why in a few words for a message.
inline RuntimeError printerError(const QString& reason = QString())
{
    return RuntimeError(482, reason.isEmpty() ? QStringLiteral("Printer error") : reason);
}

/// Error 52, a file name the file system can't take as it is (too long, not in its encoding): the
/// user can mend it, so messages name the cause, which reason gives in a few words.
constexpr int kBadFileNameError = 52;
inline RuntimeError fileNameError(const QString& reason)
{
    return RuntimeError(kBadFileNameError, reason);
}
