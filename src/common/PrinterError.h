#pragma once

#include "common/RuntimeError.h"

#include <exception>

/// The number of every printer failure: refused, unreachable, removed.
constexpr int kPrinterErrorNumber = 482;

/// The printer refused the document or could not be reached (the device, the queue or the file);
/// reason, when given, says why in a few words for a message.
inline RuntimeError printerError(const QString& reason = QString())
{
    return RuntimeError(kPrinterErrorNumber, reason.isEmpty() ? QStringLiteral("Printer error") : reason);
}

/// True for a failure of the printer rather than of what was asked of it.
inline bool isPrinterError(const std::exception& error)
{
    const auto* runtime = dynamic_cast<const RuntimeError*>(&error);
    return runtime != nullptr && runtime->number() == kPrinterErrorNumber;
}

/// Error 52, a file name the file system can't take as it is (too long, not in its encoding): the
/// user can mend it, so messages name the cause, which reason gives in a few words.
constexpr int kBadFileNameError = 52;
inline RuntimeError fileNameError(const QString& reason)
{
    return RuntimeError(kBadFileNameError, reason);
}
