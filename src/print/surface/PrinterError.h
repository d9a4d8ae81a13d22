#pragma once

#include "common/RuntimeError.h"

/// The printer refused the document or could not be reached (the device, the queue or the file).
inline RuntimeError printerError()
{
    return RuntimeError(482, QStringLiteral("Printer error"));
}
