// Large file contents held as read-only views of the file itself instead of
// copies. Under Wine every page of fresh memory costs several times what
// copying it from the file costs, while a view maps the pages the system
// already holds for the file.
#pragma once
#include "foundation/values.h"

#include <cstddef>
#include <windows.h>

// Files at least this large are viewed; smaller ones are simply read.
constexpr int32_t SmallestViewedFile = 1 << 20;

// The content of `file` (open for reading at `path`, `size` bytes) as a
// buffer laid out like any other: marker and length just before the bytes.
// Takes over the handle, which stays open while the view lives so that no
// writer can change the bytes under it. Null, with the handle left to the
// caller, when the file cannot be viewed; the caller then reads it.
// A view given back by ReleaseBlock is kept as a spare until
// ReleaseSpareBlocks, and a later request for the same unchanged file
// takes it again instead of mapping the file anew.
ByteBuffer ViewFileContent(Text path, HANDLE file, int32_t size);

// ReleaseBlock's part: true when `block` is a view, which is then kept as
// the spare (or closed).
bool ReleaseFileView(const void* block);
void ReleaseSpareFileViews();

// Views open, spares included.
size_t FileViewCount();
