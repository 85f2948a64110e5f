// The four operations through which handlers reach the controls.
#pragma once
#include "application/window_definition.h"

#include <cstdint>
#include <windows.h>

// The whole current text of an edit box as a new Text; absent when empty.
Text ReadControlText(Component editBox);

// Replaces the whole text with a copy; absent empties the box.
void WriteControlText(Component editBox, Text text);

// 1 when the check box is checked, otherwise 0.
int32_t ReadCheckState(Component checkBox);

HWND GetMainWindowHandle();
