#include "foundation/block_memory.h"

#include "foundation/fatal_error.h"
#include "foundation/file_views.h"
#include "foundation/values.h"

#include <windows.h>

const ByteBufferBlock EmptyByteBuffer = {ByteBufferMarker, 0};

namespace {
HANDLE blockHeap = GetProcessHeap();

constexpr size_t SpareThreshold = 1 << 20;
constexpr size_t SpareCapacity = 2;
struct SpareBlock {
    void* block;
    size_t size;
};
SpareBlock spares[SpareCapacity];
const void* lastFreshBlock = nullptr;

constexpr size_t LoanCapacity = 4;
const void* lentBlocks[LoanCapacity];

bool IsLent(const void* block)
{
    for (const void* lent : lentBlocks)
        if (lent == block)
            return true;
    return false;
}

// A spare serves a request it holds with little to spare, so that a large
// block is not kept busy for a much smaller value.
void* TakeSpare(size_t size)
{
    for (SpareBlock& spare : spares)
        if (spare.block && spare.size >= size && spare.size - size <= size / 8) {
            void* block = spare.block;
            spare = {};
            return block;
        }
    return nullptr;
}

void ReleaseSpareHeapBlocks()
{
    for (SpareBlock& spare : spares) {
        if (spare.block)
            HeapFree(blockHeap, 0, spare.block);
        spare = {};
    }
}

bool KeepAsSpare(void* block)
{
    const size_t size = HeapSize(blockHeap, 0, block);
    if (size == static_cast<size_t>(-1) || size < SpareThreshold)
        return false;
    for (SpareBlock& spare : spares)
        if (!spare.block) {
            spare = {block, size};
            return true;
        }
    return false;
}
}

void UseHeapForBlocks(HANDLE heap)
{
    ReleaseSpareBlocks();
    blockHeap = heap;
}

void LendBlock(const void* block)
{
    if (!block || IsLiteralConstant(block) || IsLent(block))
        return;
    for (const void*& lent : lentBlocks)
        if (!lent) {
            lent = block;
            return;
        }
    // Only a handler's own input is ever lent, one at a time.
    FatalError("出借的内存块过多", 0);
}

void ReleaseSpareBlocks()
{
    // Ended loans are released like any block, and so become spares freed below.
    for (const void*& lent : lentBlocks) {
        const void* block = lent;
        lent = nullptr;
        ReleaseBlock(block);
    }
    ReleaseSpareFileViews();
    ReleaseSpareHeapBlocks();
}

size_t SpareBlockCount()
{
    size_t count = 0;
    for (const SpareBlock& spare : spares)
        count += spare.block ? 1 : 0;
    return count;
}

HANDLE HeapOfBlocks()
{
    return blockHeap;
}

void* TryAllocateBlock(size_t size)
{
    if (size >= SpareThreshold)
        if (void* spare = TakeSpare(size)) {
            lastFreshBlock = nullptr;
            return spare;
        }
    void* block = HeapAlloc(blockHeap, 0, size);
    if (!block && size >= SpareThreshold) {
        // Spares too small for this request only stand in its way (what is
        // lent is still in use).
        ReleaseSpareHeapBlocks();
        block = HeapAlloc(blockHeap, 0, size);
    }
    lastFreshBlock = block;
    return block;
}

void PrefaultBlock(const void* block, size_t bytes)
{
    // A spare's pages are present already.
    if (!block || block != lastFreshBlock || bytes < SpareThreshold)
        return;
    void* start = const_cast<void*>(block);
    if (VirtualLock(start, bytes))
        VirtualUnlock(start, bytes);
}

void* AllocateBlock(size_t size)
{
    void* block = TryAllocateBlock(size);
    if (!block) {
        char message[96];
        wsprintfA(message, "无法分配 %lu 字节的内存", static_cast<unsigned long>(size));
        FatalError(message, 0);
    }
    return block;
}

bool IsLiteralConstant(const void* address)
{
    // Everything is linked into the executable, so its image holds them all.
    const auto* image = reinterpret_cast<const unsigned char*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
    const auto* at = static_cast<const unsigned char*>(address);
    return at >= image && at < image + headers->OptionalHeader.SizeOfImage;
}

void ReleaseBlock(const void* block)
{
    if (!block || IsLiteralConstant(block) || IsLent(block) || ReleaseFileView(block))
        return;
    if (!KeepAsSpare(const_cast<void*>(block)))
        HeapFree(blockHeap, 0, const_cast<void*>(block));
}
