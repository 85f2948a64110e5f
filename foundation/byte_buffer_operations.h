// Operations on ByteBuffer. Every returned buffer is a new block owned by
// the caller; no operation makes a buffer of length 0 (it returns null).
#pragma once
#include "foundation/values.h"

#include <cstdint>

int32_t ByteBufferLength(ByteBuffer buffer);

// The text's bytes without the terminating NUL and without conversion.
ByteBuffer TextToBytes(Text text);
// The same, for a text that the caller owns and gives up: the bytes take
// the text's own block where it can grow by a header in place, so that a
// large text is not copied into fresh memory. The text is released either way.
ByteBuffer TextIntoBytes(Text text);

// Unsigned value 0 to 255 of the byte at a 1-based position.
int32_t ByteValueAt(ByteBuffer buffer, int32_t position);

ByteBuffer ZeroFilledBytes(int32_t count);

// A buffer of `length` uninitialised content bytes, length above 0; null
// when the heap cannot meet the request (no fatal error).
ByteBufferBlock* TryAllocateByteBuffer(int32_t length);

inline unsigned char* WritableContent(ByteBufferBlock* buffer)
{
    return reinterpret_cast<unsigned char*>(buffer) + ByteBufferHeaderSize;
}
