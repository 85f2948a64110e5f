#pragma once
#include <cstdint>

// The maker's home page: shown by 标签4 and opened by its handler.
extern const char HomePageAddress[];

// LeftButtonReleased of 标签4: opens the home page with the default web
// handler; the pointer and keys are ignored.
void OnLinkLabelMouseUp(int32_t x, int32_t y, int32_t keyState);
