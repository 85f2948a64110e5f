#include "foundation/text_operations.h"

#include "foundation/block_memory.h"

#include <cstring>
#include <windows.h>

int32_t TextLength(Text text)
{
    return text ? static_cast<int32_t>(std::strlen(text)) : 0;
}

Text ConcatText(std::initializer_list<Text> parts)
{
    size_t total = 0;
    for (Text part : parts)
        total += static_cast<size_t>(TextLength(part));
    char* joined = static_cast<char*>(AllocateBlock(total + 1));
    char* at = joined;
    for (Text part : parts) {
        size_t length = static_cast<size_t>(TextLength(part));
        std::memcpy(at, part ? part : "", length);
        at += length;
    }
    *at = '\0';
    return joined;
}

int32_t FindInText(Text text, Text pattern)
{
    int32_t remaining = TextLength(text);
    const int32_t patternLength = TextLength(pattern);
    if (patternLength == 0)
        return remaining > 0 ? 1 : -1;
    const auto* cursor = reinterpret_cast<const unsigned char*>(text);
    const auto* start = cursor;
    while (remaining >= patternLength) {
        if (std::memcmp(cursor, pattern, static_cast<size_t>(patternLength)) == 0)
            return static_cast<int32_t>(cursor - start) + 1;
        if (*cursor >= 0x80) {
            if (cursor[1] == '\0')
                return -1;
            ++cursor;
            --remaining;
        }
        ++cursor;
        --remaining;
    }
    return -1;
}

Text IntegerToHexText(int32_t value)
{
    char digits[16];
    wsprintfA(digits, "%X", static_cast<unsigned int>(value));
    return ConcatText({digits});
}

Text CopyText(Text text)
{
    return TextLength(text) > 0 ? ConcatText({text}) : nullptr;
}

Text TextFromBoundedBytes(const char* bytes, size_t limit)
{
    size_t length = 0;
    while (bytes && length < limit && bytes[length] != '\0')
        ++length;
    if (length == 0)
        return nullptr;
    char* text = static_cast<char*>(AllocateBlock(length + 1));
    std::memcpy(text, bytes, length);
    text[length] = '\0';
    return text;
}
