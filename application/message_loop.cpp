#include "application/message_loop.h"

#include "application/event_dispatch.h"
#include "application/window_layer.h"

namespace {

bool Held(int key)
{
    return GetKeyState(key) < 0;
}

// Only an editable multi-line edit box claims a key, and only Enter.
bool FocusedControlClaims(WPARAM key)
{
    if (key != VK_RETURN)
        return false;
    HWND focused = GetFocus();
    char className[16] = "";
    GetClassNameA(focused, className, sizeof className);
    const LONG_PTR style = GetWindowLongPtrA(focused, GWL_STYLE);
    return lstrcmpiA(className, "EDIT") == 0 && (style & ES_MULTILINE) && !(style & ES_READONLY);
}

bool HandleKey(const MSG* message)
{
    const WPARAM key = message->wParam;
    const bool ctrl = Held(VK_CONTROL);
    const bool shift = Held(VK_SHIFT);
    const bool alt = message->message == WM_SYSKEYDOWN || Held(VK_MENU);
    const bool plain = !ctrl && !shift && !alt;

    if (plain && FocusedControlClaims(key))
        return false;
    if (key == VK_ESCAPE && plain) {
        SendMessageA(ComponentWindow(窗口), WM_CLOSE, 0, 0);
        return true;
    }
    if (key == VK_TAB && !ctrl && !alt) {
        MoveFocusInOrder(shift);
        return true;
    }
    if (key == VK_RETURN && plain)
        return true;
    // No caption has a mnemonic.
    if (alt && !ctrl && ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')))
        return true;
    return false;
}

bool IsInsideMainWindow(HWND window)
{
    HWND main = ComponentWindow(窗口);
    return main && (window == main || IsChild(main, window));
}

}

bool PreTranslateMessage(MSG* message)
{
    if (!IsInsideMainWindow(message->hwnd))
        return false;
    switch (message->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return HandleKey(message);
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
        Component target;
        if (FindComponentOfWindow(message->hwnd, &target))
            RaiseMouseEvent(target,
                            message->message == WM_LBUTTONUP ? ComponentEvent::LeftButtonReleased
                                                             : ComponentEvent::DoubleClicked,
                            message->lParam);
        return false;
    }
    }
    return false;
}

int RunMessageLoop()
{
    SetMessageLoopRunning(true);
    if (!MainWindowExists())
        return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    SetMessageLoopRunning(false);
    return static_cast<int>(message.wParam);
}
