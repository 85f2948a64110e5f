#include "support/block_counting.h"

#include "foundation/block_memory.h"

PrivateBlockHeap::PrivateBlockHeap(size_t maximumSize)
    : heap(HeapCreate(0, 0, maximumSize)), previous(HeapOfBlocks())
{
    UseHeapForBlocks(heap);
}

PrivateBlockHeap::~PrivateBlockHeap()
{
    UseHeapForBlocks(previous);
    HeapDestroy(heap);
}

size_t PrivateBlockHeap::BlocksInUse() const
{
    size_t count = 0;
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            ++count;
    HeapUnlock(heap);
    return count;
}
