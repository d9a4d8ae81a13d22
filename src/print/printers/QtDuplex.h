#pragma once

#include "print/printers/Printer.h"

#include <QPrinter>
#include <optional>

/// Duplex as Qt names it and back; Qt's "automatic" is the printer's own default, which has no
/// Duplex of its own.
QPrinter::DuplexMode toQtDuplex(Duplex duplex);
std::optional<Duplex> fromQtDuplex(QPrinter::DuplexMode mode);
