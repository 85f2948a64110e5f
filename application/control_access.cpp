#include "application/control_access.h"

#include "application/window_layer.h"
#include "foundation/block_memory.h"

Text ReadControlText(Component editBox)
{
    HWND control = ComponentWindow(editBox);
    const int length = GetWindowTextLengthA(control);
    if (length <= 0)
        return nullptr;
    char* text = static_cast<char*>(AllocateBlock(static_cast<size_t>(length) + 1));
    const int copied = GetWindowTextA(control, text, length + 1);
    text[copied > 0 ? copied : 0] = '\0';
    if (copied <= 0) {
        ReleaseBlock(text);
        return nullptr;
    }
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
