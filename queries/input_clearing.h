#pragma once
#include <cstdint>
// DoubleClicked of 编辑框2: empties it; the pointer and keys are ignored.
void OnInputBoxDoubleClicked(int32_t x, int32_t y, int32_t keyState);
