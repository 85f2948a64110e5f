#include "application/control_access.h"

#include "application/window_layer.h"
#include "foundation/block_memory.h"

#include <climits>

Text ReadControlText(Component editBox)
{
    HWND control = ComponentWindow(editBox);
    // The length in characters costs nothing, while the ANSI length means
    // converting the whole text once more; two bytes per character is the
    // most that code page 936 takes.
    const int characters = GetWindowTextLengthW(control);
    if (characters <= 0)
        return nullptr;
    const int capacity = characters > (INT_MAX - 1) / 2 ? INT_MAX : 2 * characters + 1;
    char* text = static_cast<char*>(AllocateBlock(static_cast<size_t>(capacity)));
    // At least one byte per character will be written.
    PrefaultBlock(text, static_cast<size_t>(characters) + 1);
    const int copied = GetWindowTextA(control, text, capacity);
    text[copied > 0 ? copied : 0] = '\0';
    if (copied <= 0) {
        ReleaseBlock(text);
        return nullptr;
    }
    // Give back what the text did not need; the block stays where it is.
    if (copied + 1 < capacity)
        HeapReAlloc(HeapOfBlocks(), HEAP_REALLOC_IN_PLACE_ONLY, text, static_cast<size_t>(copied) + 1);
    return text;
}

void WriteControlText(Component editBox, Text text)
{
    SetWindowTextA(ComponentWindow(editBox), text ? text : "");
}

int32_t ReadCheckState(Component checkBox)
{
    return SendMessageA(ComponentWindow(checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

HWND GetMainWindowHandle()
{
    return ComponentWindow(窗口);
}
