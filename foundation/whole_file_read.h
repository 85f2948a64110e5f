// Reading a whole file into one buffer.
#pragma once
#include "foundation/values.h"

enum class FileReadOutcome {
    Read,        // the content was read; an empty file gives the absent buffer
    Unreadable,  // missing, a folder, locked, no permission, a read error
    TooLarge,    // 2^31 bytes or more, or more than memory allows
};

// The whole content as a new buffer; the absent buffer when the file is
// empty or cannot be read, and `outcome` (when given) says which.
ByteBuffer ReadWholeFile(Text path, FileReadOutcome* outcome = nullptr);
