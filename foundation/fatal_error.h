// The one way the program stops on an error it cannot recover from.
#pragma once
#include "foundation/values.h"

#include <cstdint>

// An error box naming the code (when not 0) and the message (when not
// empty), then the fatal shutdown: the exit routines are discarded unrun
// and the process ends with exit code -1.
[[noreturn]] void FatalError(Text message, int32_t code);
