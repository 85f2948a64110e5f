// Memory of every Text and ByteBuffer.
#pragma once
#include <cstddef>
#include <windows.h>

// The heap that blocks come from: the process's default heap at start-up;
// tests point it at a private heap to count what is left behind.
void UseHeapForBlocks(HANDLE heap);
HANDLE HeapOfBlocks();

// Never returns null: a block that cannot be obtained is a fatal error.
void* AllocateBlock(size_t size);

// Returns null when the heap cannot meet the request; for callers that
// turn that into an ordinary failure of their own.
void* TryAllocateBlock(size_t size);

// Ignores null and the program's literal constants.
void ReleaseBlock(const void* block);

// Large blocks given back are kept as spares for the next request of about
// their size: under Wine first touching fresh memory costs more than reading
// a file into memory already touched. Each handler that works on large
// values gives the spares (with spare file views and lent blocks) back when
// it is done.
void ReleaseSpareBlocks();
size_t SpareBlockCount();

// Lends a block to several receivers in turn, each of which gives it back
// with ReleaseBlock, as the sections of a report each give back their
// content: ReleaseBlock leaves a lent block alone, and ReleaseSpareBlocks,
// when the handler is done, frees it.
void LendBlock(const void* block);

// Makes the first `bytes` of a block that has just been obtained fresh
// from the heap present at once, as if written. Under Wine each page of
// fresh memory otherwise costs a fault of its own when first touched, and
// one call for them all costs about half. Where the platform refuses (it
// may, for large blocks), nothing changes.
void PrefaultBlock(const void* block, size_t bytes);

// True for an address inside the executable's own image, where the literal
// texts and the constant empty buffer live.
bool IsLiteralConstant(const void* address);
