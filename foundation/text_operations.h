// Operations on Text. Every returned Text is a new block owned by the caller.
#pragma once
#include "foundation/values.h"

#include <cstdint>
#include <cstddef>
#include <initializer_list>

int32_t TextLength(Text text);

// Always a new block, an empty text when every part is empty.
Text ConcatText(std::initializer_list<Text> parts);

// 1-based byte position of the first occurrence, or -1. A match starts only
// where a character starts: a byte from 0x80 up begins a two-byte character.
int32_t FindInText(Text text, Text pattern);

// "%X" of the value taken as unsigned 32 bits; never empty.
Text IntegerToHexText(int32_t value);

// A new copy, or the absent text for an empty one.
Text CopyText(Text text);

// A new text of the bytes up to the first NUL, reading no more than
// `limit` bytes; absent when that is empty.
Text TextFromBoundedBytes(const char* bytes, size_t limit);
