#include "foundation/byte_buffer_operations.h"

#include "foundation/block_memory.h"
#include "foundation/text_operations.h"

#include <cstring>

int32_t ByteBufferLength(ByteBuffer buffer)
{
    return buffer ? buffer->length : 0;
}

namespace {
ByteBufferBlock* NewByteBuffer(int32_t length)
{
    const size_t size = static_cast<size_t>(ByteBufferHeaderSize) + static_cast<size_t>(length);
    auto* buffer = static_cast<ByteBufferBlock*>(AllocateBlock(size));
    PrefaultBlock(buffer, size);
    buffer->marker = ByteBufferMarker;
    buffer->length = length;
    return buffer;
}
}

ByteBufferBlock* TryAllocateByteBuffer(int32_t length)
{
    const size_t size = static_cast<size_t>(ByteBufferHeaderSize) + static_cast<size_t>(length);
    auto* buffer = static_cast<ByteBufferBlock*>(TryAllocateBlock(size));
    PrefaultBlock(buffer, size);
    if (buffer) {
        buffer->marker = ByteBufferMarker;
        buffer->length = length;
    }
    return buffer;
}

ByteBuffer TextToBytes(Text text)
{
    const int32_t length = TextLength(text);
    if (length == 0)
        return nullptr;
    ByteBufferBlock* buffer = NewByteBuffer(length);
    std::memcpy(WritableContent(buffer), text, static_cast<size_t>(length));
    return buffer;
}

ByteBuffer TextIntoBytes(Text text)
{
    const int32_t length = TextLength(text);
    if (length > 0 && length <= LongestByteBuffer - ByteBufferHeaderSize && !IsLiteralConstant(text)) {
        void* block = const_cast<char*>(text);
        const size_t size = static_cast<size_t>(ByteBufferHeaderSize) + static_cast<size_t>(length);
        if (HeapReAlloc(HeapOfBlocks(), HEAP_REALLOC_IN_PLACE_ONLY, block, size)) {
            auto* buffer = static_cast<ByteBufferBlock*>(block);
            std::memmove(WritableContent(buffer), block, static_cast<size_t>(length));
            buffer->marker = ByteBufferMarker;
            buffer->length = length;
            return buffer;
        }
    }
    ByteBuffer bytes = TextToBytes(text);
    ReleaseBlock(text);
    return bytes;
}

int32_t ByteValueAt(ByteBuffer buffer, int32_t position)
{
    if (position < 1 || position > ByteBufferLength(buffer))
        return 0;
    return ByteBufferContent(buffer)[position - 1];
}

ByteBuffer ZeroFilledBytes(int32_t count)
{
    if (count <= 0)
        return nullptr;
    ByteBufferBlock* buffer = NewByteBuffer(count);
    std::memset(WritableContent(buffer), 0, static_cast<size_t>(count));
    return buffer;
}

