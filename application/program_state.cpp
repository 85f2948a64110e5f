#include "application/program_state.h"

#include "foundation/block_memory.h"

Text DroppedFilePath = nullptr;

void ReplaceDroppedFilePath(Text path)
{
    ReleaseBlock(DroppedFilePath);
    DroppedFilePath = path;
}

void ReleaseProgramState()
{
    ReleaseBlock(DroppedFilePath);
    DroppedFilePath = nullptr;
}
