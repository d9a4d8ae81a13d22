#include "print/surface/QtDuplex.h"

QPrinter::DuplexMode toQtDuplex(Duplex duplex)
{
    switch (duplex) {
    case Duplex::LongEdge:
        return QPrinter::DuplexLongSide;
    case Duplex::ShortEdge:
        return QPrinter::DuplexShortSide;
    case Duplex::Simplex:
        break;
    }
    return QPrinter::DuplexNone;
}

std::optional<Duplex> fromQtDuplex(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexNone:
        return Duplex::Simplex;
    case QPrinter::DuplexLongSide:
        return Duplex::LongEdge;
    case QPrinter::DuplexShortSide:
        return Duplex::ShortEdge;
    case QPrinter::DuplexAuto:
        break;
    }
    return std::nullopt;
}
