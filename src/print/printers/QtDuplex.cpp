#include "print/printers/QtDuplex.h"

#include <utility>

namespace {
constexpr std::pair<Duplex, QPrinter::DuplexMode> kQtModes[] = {
    { Duplex::Simplex, QPrinter::DuplexNone },
    { Duplex::LongEdge, QPrinter::DuplexLongSide },
    { Duplex::ShortEdge, QPrinter::DuplexShortSide },
};
} // namespace

QPrinter::DuplexMode toQtDuplex(Duplex duplex)
{
    for (const auto& [ours, qt] : kQtModes) {
        if (ours == duplex)
            return qt;
    }
    return QPrinter::DuplexNone;
}

std::optional<Duplex> fromQtDuplex(QPrinter::DuplexMode mode)
{
    for (const auto& [ours, qt] : kQtModes) {
        if (qt == mode)
            return ours;
    }
    return std::nullopt;
}
