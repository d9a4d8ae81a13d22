#pragma once

#include <QtGlobal>
#include <cstddef>
#include <functional>
#include <map>
#include <vector>

/// A handle to a block of GlobalMemory; 0 is no block.
using MemoryHandle = quint32;
constexpr MemoryHandle kNoBlock = 0;

/// The small owned memory blocks that carry the device records to and from the print dialog, with
/// the allocate / lock / unlock / free life of movable global memory. Blocks are zero-filled bytes.
/// Tests can make allocating or locking fail to drive the callers' failure rules.
class GlobalMemory {
public:
    enum class Operation { Allocate, Lock };
    /// Returns true for an operation on a block of that many bytes that is to fail.
    using FaultRule = std::function<bool(Operation operation, std::size_t bytes)>;

    GlobalMemory() = default;
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;

    /// A new zero-filled block, or kNoBlock when it can't be had.
    MemoryHandle allocate(std::size_t bytes);
    /// The block's bytes, or nullptr for a block that can't be locked (or is no block).
    quint8* lock(MemoryHandle handle);
    /// False when the block was not locked.
    bool unlock(MemoryHandle handle);
    /// kNoBlock when freed, the handle itself when there was no such block.
    MemoryHandle free(MemoryHandle handle);

    /// A new block holding a copy of the bytes; kNoBlock when none can be allocated. A block that
    /// can't be locked is still handed out, zero-filled.
    MemoryHandle allocateCopy(const quint8* data, std::size_t bytes);
    /// Copies the first bytes of a block to out; false (out untouched) when the block is none,
    /// smaller than that, or can't be locked.
    bool copyOut(MemoryHandle handle, quint8* out, std::size_t bytes);
    /// Copies bytes into the start of a block; false when the block is none, smaller than that, or
    /// can't be locked.
    bool copyIn(MemoryHandle handle, const quint8* data, std::size_t bytes);

    /// 0 for no block.
    std::size_t size(MemoryHandle handle) const;
    /// Blocks allocated and not yet freed.
    std::size_t liveBlocks() const { return m_blocks.size(); }

    void setFaultRule(FaultRule rule) { m_faultRule = std::move(rule); }

private:
    struct Block {
        std::vector<quint8> bytes;
        int locks = 0;
    };

    bool fails(Operation operation, std::size_t bytes) const;

    std::map<MemoryHandle, Block> m_blocks;
    MemoryHandle m_nextHandle = 1;
    FaultRule m_faultRule;
};
