#include "print/dialog/GlobalMemory.h"

#include <cstring>
#include <limits>

namespace {
// The device records are a few hundred bytes; anything near this is a caller's mistake.
constexpr std::size_t kLargestBlock = 1 << 20;
} // namespace

bool GlobalMemory::fails(Operation operation, std::size_t bytes) const
{
    return m_faultRule && m_faultRule(operation, bytes);
}

MemoryHandle GlobalMemory::allocate(std::size_t bytes)
{
    if (bytes == 0 || bytes > kLargestBlock || fails(Operation::Allocate, bytes))
        return kNoBlock;
    // Handles are never reused, so a stale handle can't reach somebody else's block.
    if (m_nextHandle == std::numeric_limits<MemoryHandle>::max())
        return kNoBlock;
    const MemoryHandle handle = m_nextHandle++;
    m_blocks[handle].bytes.assign(bytes, 0);
    return handle;
}

quint8* GlobalMemory::lock(MemoryHandle handle)
{
    const auto found = m_blocks.find(handle);
    if (found == m_blocks.end() || fails(Operation::Lock, found->second.bytes.size()))
        return nullptr;
    ++found->second.locks;
    return found->second.bytes.data();
}

bool GlobalMemory::unlock(MemoryHandle handle)
{
    const auto found = m_blocks.find(handle);
    if (found == m_blocks.end() || found->second.locks == 0)
        return false;
    --found->second.locks;
    return true;
}

MemoryHandle GlobalMemory::free(MemoryHandle handle)
{
    return m_blocks.erase(handle) == 1 ? kNoBlock : handle;
}

std::size_t GlobalMemory::size(MemoryHandle handle) const
{
    const auto found = m_blocks.find(handle);
    return found == m_blocks.end() ? 0 : found->second.bytes.size();
}

MemoryHandle GlobalMemory::allocateCopy(const quint8* data, std::size_t bytes)
{
    const MemoryHandle handle = allocate(bytes);
    if (quint8* target = lock(handle)) {
        std::memcpy(target, data, bytes);
        unlock(handle);
    }
    return handle;
}

bool GlobalMemory::copyOut(MemoryHandle handle, quint8* out, std::size_t bytes)
{
    if (size(handle) < bytes)
        return false;
    const quint8* source = lock(handle);
    if (source == nullptr)
        return false;
    std::memcpy(out, source, bytes);
    unlock(handle);
    return true;
}

bool GlobalMemory::copyIn(MemoryHandle handle, const quint8* data, std::size_t bytes)
{
    if (size(handle) < bytes)
        return false;
    quint8* target = lock(handle);
    if (target == nullptr)
        return false;
    std::memcpy(target, data, bytes);
    unlock(handle);
    return true;
}
