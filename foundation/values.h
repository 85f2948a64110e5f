// The two value types that every part of the program passes around.
#pragma once
#include <cstdint>

// A NUL-terminated byte string in the ANSI code page (936). Null reads as "".
using Text = const char*;

// One block: marker (always 1), length, then the content bytes without a
// terminator. Null reads as the empty buffer.
struct ByteBufferBlock {
    int32_t marker;
    int32_t length;
};
using ByteBuffer = const ByteBufferBlock*;

constexpr int32_t ByteBufferMarker = 1;
constexpr int32_t ByteBufferHeaderSize = sizeof(ByteBufferBlock);
constexpr int32_t LongestByteBuffer = INT32_MAX;

// The constant empty buffer, handed to operations in place of an absent one.
extern const ByteBufferBlock EmptyByteBuffer;

inline const unsigned char* ByteBufferContent(ByteBuffer buffer)
{
    return buffer ? reinterpret_cast<const unsigned char*>(buffer) + ByteBufferHeaderSize : nullptr;
}
