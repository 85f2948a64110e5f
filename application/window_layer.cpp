#include "application/window_layer.h"

#include "application/drop_target.h"
#include "application/event_dispatch.h"
#include "foundation/fatal_error.h"

namespace {

constexpr char MainWindowClass[] = "QuorvikMainWindow";
constexpr char LabelClass[] = "QuorvikLabel";

HWND windows[ControlCount + 1];
HWND focusAtDeactivation = nullptr;
HICON largeIcon = nullptr;
HICON smallIcon = nullptr;
bool loopRunning = false;

constexpr Component FocusOrder[] = {编辑框1, 选择框1, 编辑框2, 按钮1};

HFONT GuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void PaintLabel(HWND label)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    char text[512];
    const int length = GetWindowTextA(label, text, sizeof text);
    Component component;
    if (length > 0 && FindComponentOfWindow(label, &component)) {
        RECT client;
        GetClientRect(label, &client);
        HGDIOBJ previousFont = SelectObject(dc, GuiFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, DefinitionOf(component).textColour);
        // DT_NOCLIP draws fast; the clip region still cuts wide text at the edge.
        IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
        DrawTextA(dc, text, -1, &client, DT_NOCLIP | DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        SelectObject(dc, previousFont);
    }
    EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintLabel(label);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

bool IsFocusable(HWND control)
{
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

void FocusFirstOrRemembered()
{
    if (focusAtDeactivation && IsWindow(focusAtDeactivation) && IsFocusable(focusAtDeactivation)) {
        SetFocus(focusAtDeactivation);
        return;
    }
    for (Component component : FocusOrder)
        if (IsFocusable(windows[component])) {
            SetFocus(windows[component]);
            return;
        }
}

void OnCommand(WPARAM wParam, LPARAM lParam)
{
    Component source;
    if (HIWORD(wParam) == BN_CLICKED && FindComponentOfWindow(reinterpret_cast<HWND>(lParam), &source))
        RaiseEvent(source, ComponentEvent::Clicked);
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focused = GetFocus();
            if (focused && IsChild(window, focused))
                focusAtDeactivation = focused;
        }
        break;
    case WM_SETFOCUS:
        FocusFirstOrRemembered();
        return 0;
    case WM_NCDESTROY:
        for (HWND& each : windows)
            each = nullptr;
        focusAtDeactivation = nullptr;
        if (loopRunning)
            PostQuitMessage(0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterWindowClasses(HINSTANCE instance)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.lpszClassName = MainWindowClass;
    RegisterClassExA(&windowClass);
    windowClass.lpfnWndProc = LabelProcedure;
    windowClass.lpszClassName = LabelClass;
    RegisterClassExA(&windowClass);
}

[[noreturn]] void CannotLoad()
{
    FatalError("无法加载启动窗口", 0);
}

const char* PlatformClassOf(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::EditBox:
        return "EDIT";
    case ComponentKind::Button:
    case ComponentKind::CheckBox:
        return "BUTTON";
    case ComponentKind::Label:
        return LabelClass;
    default:
        return nullptr;
    }
}

HWND CreateControl(HWND parent, HINSTANCE instance, const ComponentDefinition& control)
{
    if (control.kind == ComponentKind::DropTarget)
        return CreateDropTargetComponent(parent, instance, control);

    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | control.style;
    if (control.tabStop)
        style |= WS_TABSTOP;
    HWND created = CreateWindowExA(control.extendedStyle, PlatformClassOf(control.kind), control.text, style,
                                   control.left, control.top, control.width, control.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.name)), instance,
                                   nullptr);
    if (!created)
        return nullptr;
    SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    if (control.kind == ComponentKind::EditBox) {
        SendMessageA(created, EM_LIMITTEXT, 0, 0);
        SendMessageA(created, EM_SETSEL, 0, 0);
        SendMessageA(created, EM_SCROLLCARET, 0, 0);
        if (!(control.style & ES_MULTILINE)) {
            TEXTMETRICA metrics;
            HDC dc = GetDC(created);
            HGDIOBJ previous = SelectObject(dc, GuiFont());
            GetTextMetricsA(dc, &metrics);
            SelectObject(dc, previous);
            ReleaseDC(created, dc);
            const int leastHeight = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
            if (control.height < leastHeight)
                SetWindowPos(created, nullptr, 0, 0, control.width, leastHeight,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (control.kind == ComponentKind::CheckBox)
        SendMessageA(created, BM_SETCHECK, BST_UNCHECKED, 0);
    return created;
}

}

HWND ComponentWindow(Component component)
{
    return windows[component];
}

bool FindComponentOfWindow(HWND window, Component* component)
{
    if (!window)
        return false;
    for (int i = 0; i <= ControlCount; ++i)
        if (windows[i] == window) {
            *component = static_cast<Component>(i);
            return true;
        }
    return false;
}

bool MainWindowExists()
{
    return windows[窗口] && IsWindow(windows[窗口]);
}

void SetMessageLoopRunning(bool running)
{
    loopRunning = running;
}

void MoveFocusInOrder(bool backwards)
{
    constexpr int count = sizeof FocusOrder / sizeof FocusOrder[0];
    int current = -1;
    HWND focused = GetFocus();
    for (int i = 0; i < count; ++i)
        if (windows[FocusOrder[i]] == focused)
            current = i;
    for (int step = 1; step <= count; ++step) {
        int next = current < 0 ? (backwards ? count - step : step - 1)
                               : ((current + (backwards ? -step : step)) % count + count) % count;
        if (IsFocusable(windows[FocusOrder[next]])) {
            SetFocus(windows[FocusOrder[next]]);
            return;
        }
    }
}

void ReleaseWindowIcons()
{
    if (largeIcon)
        DestroyIcon(largeIcon);
    if (smallIcon)
        DestroyIcon(smallIcon);
    largeIcon = smallIcon = nullptr;
}

void LoadMainWindow()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClasses(instance);

    const int left = (GetSystemMetrics(SM_CXSCREEN) - MainWindow.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - MainWindow.height) / 2;
    HWND main = CreateWindowExA(0, MainWindowClass, MainWindow.title, MainWindow.style, left, top,
                                MainWindow.width, MainWindow.height, nullptr, nullptr, instance, nullptr);
    if (!main)
        CannotLoad();
    windows[窗口] = main;
    RECT outer;
    GetWindowRect(main, &outer);
    if (outer.right - outer.left != MainWindow.width || outer.bottom - outer.top != MainWindow.height)
        SetWindowPos(main, nullptr, left, top, MainWindow.width, MainWindow.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);

    largeIcon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
    smallIcon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
    SendMessageA(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
    SendMessageA(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    SendMessageA(main, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);

    for (const ComponentDefinition& control : MainWindow.controls) {
        HWND created = CreateControl(main, instance, control);
        if (!created)
            CannotLoad();
        windows[control.name] = created;
    }

    HWND above = HWND_TOP;
    for (const ComponentDefinition& control : MainWindow.controls) {
        SetWindowPos(windows[control.name], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = windows[control.name];
    }
    for (const ComponentDefinition& control : MainWindow.controls)
        if (control.visible)
            ShowWindow(windows[control.name], SW_SHOWNA);

    RaiseEvent(窗口, ComponentEvent::Created);
    if (!MainWindowExists())
        return;
    ShowWindow(main, SW_SHOW);
    UpdateWindow(main);
}
