// The window as the user first sees it, and its keyboard rules.
#include "program_driver.h"

#include <gtest/gtest.h>

namespace {

struct ControlLook {
    Component name;
    const char* platformClass;
    RECT place;  // left, top, right, bottom in the main window's client area
    const char* text;
    DWORD styleBits;
    bool tabStop;
    bool visible;
};

const ControlLook Controls[] = {
    {标签4, "QuorvikLabel", {127, 307, 303, 331}, "https://quorvik.example/", 0, false, true},
    {标签3, "QuorvikLabel", {69, 307, 123, 331}, "Quorvik", 0, false, true},
    {按钮1, "Button", {288, 16, 360, 40}, "查询文本", BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, true, true},
    {编辑框2, "Edit", {32, 16, 280, 40}, "查询文本MD5值复制到此框中点查询，双击清空！", ES_AUTOHSCROLL, true, true},
    {选择框1, "Button", {288, 56, 360, 72}, "小写显示", BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, true, true},
    {拖放对象1, "QuorvikDropTarget", {192, 104, 240, 136}, "", 0, false, false},
    {标签1, "QuorvikLabel", {38, 51, 278, 75}, "非文本内容请将需要查询的文件拖入此窗口", 0, false, true},
    {编辑框1, "Edit", {13, 80, 397, 304}, "", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, true, true},
};

TEST(MainWindowTest, LooksAsDefinedWhenStarted)
{
    ProgramUnderTest program;
    ASSERT_NE(program.Main(), nullptr);

    EXPECT_EQ(program.TextOf(窗口), "QuorvikMD5哈希值查询工具");
    RECT outer;
    GetWindowRect(program.Main(), &outer);
    EXPECT_EQ(outer.right - outer.left, 418);
    EXPECT_EQ(outer.bottom - outer.top, 362);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 418) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 362) / 2);

    const LONG_PTR style = GetWindowLongPtrA(program.Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN), WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongPtrA(program.Main(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(program.Main(), GW_OWNER), nullptr);

    for (const ControlLook& look : Controls) {
        HWND control = program.Control(look.name);
        ASSERT_NE(control, nullptr) << look.name;
        char className[64] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STREQ(className, look.platformClass) << look.name;
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, program.Main(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, look.place.left) << look.name;
        EXPECT_EQ(place.top, look.place.top) << look.name;
        EXPECT_EQ(place.right, look.place.right) << look.name;
        EXPECT_EQ(place.bottom, look.place.bottom) << look.name;
        EXPECT_EQ(program.TextOf(look.name), look.text) << look.name;
        const LONG_PTR controlStyle = GetWindowLongPtrA(control, GWL_STYLE);
        EXPECT_EQ(static_cast<DWORD>(controlStyle) & look.styleBits, look.styleBits) << look.name;
        EXPECT_EQ((controlStyle & WS_TABSTOP) != 0, look.tabStop) << look.name;
        EXPECT_EQ(IsWindowVisible(control) != 0, look.visible) << look.name;
        EXPECT_TRUE(controlStyle & WS_CLIPSIBLINGS) << look.name;
    }
    const LONG_PTR reportStyle = GetWindowLongPtrA(program.Control(编辑框1), GWL_STYLE);
    EXPECT_EQ(reportStyle & (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER), 0);
    EXPECT_TRUE(GetWindowLongPtrA(program.Control(编辑框1), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_EQ(GetWindowLongPtrA(program.Control(按钮1), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
    EXPECT_EQ(SendMessageA(program.Control(选择框1), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Stacking follows definition order, the first control on top.
    HWND above = GetWindow(program.Main(), GW_CHILD);
    for (const ControlLook& look : Controls) {
        EXPECT_EQ(above, program.Control(look.name)) << look.name;
        above = GetWindow(above, GW_HWNDNEXT);
    }

    EXPECT_EQ(program.FocusedWindow(), program.Control(编辑框1));
}

TEST(MainWindowTest, TabCyclesFocusOrderBothWays)
{
    ProgramUnderTest program;
    const Component forward[] = {选择框1, 编辑框2, 按钮1, 编辑框1, 选择框1};
    for (Component next : forward) {
        program.PressKey(VK_TAB);
        EXPECT_EQ(program.FocusedWindow(), program.Control(next)) << next;
    }
    const Component backward[] = {编辑框1, 按钮1, 编辑框2, 选择框1, 编辑框1, 按钮1};
    for (Component next : backward) {
        program.PressKey(VK_TAB, true);
        EXPECT_EQ(program.FocusedWindow(), program.Control(next)) << next;
    }
    // No tab character was typed anywhere.
    EXPECT_EQ(program.TextOf(编辑框1), "");
    EXPECT_EQ(program.TextOf(编辑框2), "查询文本MD5值复制到此框中点查询，双击清空！");
}

TEST(MainWindowTest, EnterStartsALineOnlyInTheReportBox)
{
    ProgramUnderTest program;
    program.PressKey(VK_TAB);
    program.PressKey(VK_TAB);
    ASSERT_EQ(program.FocusedWindow(), program.Control(编辑框2));
    program.PressKey(VK_RETURN);
    EXPECT_EQ(program.FocusedWindow(), program.Control(编辑框2));
    EXPECT_EQ(program.TextOf(编辑框1), "") << "Enter must not query";

    program.PressKey(VK_TAB);
    program.PressKey(VK_TAB);
    ASSERT_EQ(program.FocusedWindow(), program.Control(编辑框1));
    program.PressKey('A');
    program.PressKey(VK_RETURN);
    program.PressKey('B');
    EXPECT_EQ(program.TextOf(编辑框1), "a\r\nb");
}

TEST(MainWindowTest, FocusComesBackAfterDeactivation)
{
    ProgramUnderTest program;
    program.PressKey(VK_TAB);
    program.PressKey(VK_TAB);
    ASSERT_EQ(program.FocusedWindow(), program.Control(编辑框2));

    // Another window of another process takes the activation for a while.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    WaitUntil([&] { return GetForegroundWindow() == other; }, 3000);
    program.Settle();
    SetForegroundWindow(program.Main());
    WaitUntil([&] { return GetForegroundWindow() == program.Main(); }, 3000);
    program.Settle();
    EXPECT_EQ(program.FocusedWindow(), program.Control(编辑框2));
    DestroyWindow(other);
}

TEST(MainWindowTest, EscEndsWithZeroButShiftEscDoesNot)
{
    ProgramUnderTest program;
    program.ClickCentre(编辑框2);
    program.PressKey(VK_ESCAPE, true);
    DWORD exitCode = 1;
    EXPECT_FALSE(program.WaitForExit(500, &exitCode)) << "Shift+Esc closed the window";
    program.PressKey(VK_ESCAPE);
    ASSERT_TRUE(program.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(MainWindowTest, CloseButtonEndsWithZero)
{
    ProgramUnderTest program;
    PostMessageA(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}
