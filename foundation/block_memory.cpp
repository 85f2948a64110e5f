#include "foundation/block_memory.h"

#include "foundation/fatal_error.h"
#include "foundation/values.h"

#include <windows.h>

const ByteBufferBlock EmptyByteBuffer = {ByteBufferMarker, 0};

namespace {
HANDLE blockHeap = GetProcessHeap();
}

void UseHeapForBlocks(HANDLE heap)
{
    blockHeap = heap;
}

HANDLE HeapOfBlocks()
{
    return blockHeap;
}

void* TryAllocateBlock(size_t size)
{
    return HeapAlloc(blockHeap, 0, size);
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
    if (!block || IsLiteralConstant(block))
        return;
    HeapFree(blockHeap, 0, const_cast<void*>(block));
}
