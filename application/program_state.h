// The one value that outlives a handler.
#pragma once
#include "foundation/values.h"

// The path that the last drop asked for; absent until the first drop.
extern Text DroppedFilePath;

// Releases the previous path and keeps the new one.
void ReplaceDroppedFilePath(Text path);

// The exit routine: releases DroppedFilePath when present.
void ReleaseProgramState();
