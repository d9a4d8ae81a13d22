#pragma once

#include "print/dialog/GlobalMemory.h"

#include <QtGlobal>
#include <array>
#include <optional>

/// A fixed-size record of little-endian bytes, as the print dialog's records are exchanged in
/// memory blocks. Derived is the record type itself, so load() can hand back the right type.
template <typename Derived, int Size> class ByteRecord {
public:
    using Bytes = std::array<quint8, Size>;

    const Bytes& bytes() const { return m_bytes; }

    /// Copies the record into a new block; kNoBlock when none can be allocated, and a block that
    /// can't be locked is handed on as allocated, zero-filled.
    MemoryHandle store(GlobalMemory& memory) const { return memory.allocateCopy(m_bytes.data(), Size); }

    /// The record a block holds, or nothing when the block is none, too small or can't be locked.
    static std::optional<Derived> load(GlobalMemory& memory, MemoryHandle handle)
    {
        Derived record;
        if (!memory.copyOut(handle, record.m_bytes.data(), Size))
            return std::nullopt;
        return record;
    }

protected:
    quint16 word(int at) const { return quint16(m_bytes[at] | (m_bytes[at + 1] << 8)); }
    void setWord(int at, quint16 value)
    {
        m_bytes[at] = quint8(value & 0xFF);
        m_bytes[at + 1] = quint8(value >> 8);
    }

    Bytes m_bytes {};
};
