#include "program_driver.h"

#include "support/child_process.h"

#include <algorithm>
#include <vector>

namespace {

void SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void SendButton(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}

std::string TestProgramFolder()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder = self;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    const DWORD started = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - started > milliseconds)
            return false;
        Sleep(50);
    }
    return true;
}

ProgramUnderTest::ProgramUnderTest(const std::string& program)
{
    std::string commandLine = "\"" + (program.empty() ? TestProgramFolder() + "QuorvikMD5.exe" : program) + "\"";
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    WaitForInputIdle(process.hProcess, 10000);
    WaitUntil([this] {
        main = FindVisibleWindowOf(process.dwProcessId, "QuorvikMainWindow");
        return main != nullptr;
    }, 20000);
    Settle();
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (!process.hProcess)
        return;
    if (Running()) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 5000) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool ProgramUnderTest::Running() const
{
    return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

HWND ProgramUnderTest::Control(Component component) const
{
    return component == 窗口 ? main : GetDlgItem(main, component);
}

std::string ProgramUnderTest::TextOf(Component component) const
{
    HWND control = Control(component);
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 60000, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        60000, &copied);
    text.resize(copied);
    return text;
}

void ProgramUnderTest::PutText(Component component, const std::string& text) const
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Control(component), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 60000, &ignored);
}

void ProgramUnderTest::PasteText(Component component, const std::string& text) const
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* bytes = static_cast<char*>(GlobalLock(block));
    std::copy(text.begin(), text.end(), bytes);
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Control(component), EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 60000, &ignored);
    SendMessageTimeoutA(Control(component), WM_PASTE, 0, 0, SMTO_ABORTIFHUNG, 600000, &ignored);
}

HWND ProgramUnderTest::FocusedWindow() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process.dwThreadId, &info);
    return info.hwndFocus;
}

void ProgramUnderTest::BringToFront() const
{
    if (GetForegroundWindow() != main) {
        SetForegroundWindow(main);
        WaitUntil([this] { return GetForegroundWindow() == main; }, 3000);
    }
}

void MoveCursorTo(POINT screen)
{
    // The pointer can jump back just after a move: repeat until it stays.
    WaitUntil([screen] {
        SetCursorPos(screen.x, screen.y);
        Sleep(20);
        POINT now;
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    }, 3000);
}

void ProgramUnderTest::ClickAt(Component component, int x, int y, bool rightButton) const
{
    BringToFront();
    POINT screen{x, y};
    ClientToScreen(Control(component), &screen);
    MoveCursorTo(screen);
    SendButton(rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendButton(rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Settle();
}

void ProgramUnderTest::ClickCentre(Component component) const
{
    RECT client;
    GetClientRect(Control(component), &client);
    ClickAt(component, client.right / 2, client.bottom / 2);
}

void ProgramUnderTest::DoubleClickCentre(Component component) const
{
    BringToFront();
    RECT client;
    GetClientRect(Control(component), &client);
    POINT screen{client.right / 2, client.bottom / 2};
    ClientToScreen(Control(component), &screen);
    MoveCursorTo(screen);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    Settle();
}

void ProgramUnderTest::PressKey(WORD key, bool shift, bool ctrl) const
{
    BringToFront();
    if (ctrl)
        SendKey(VK_CONTROL, false);
    if (shift)
        SendKey(VK_SHIFT, false);
    SendKey(key, false);
    SendKey(key, true);
    if (shift)
        SendKey(VK_SHIFT, true);
    if (ctrl)
        SendKey(VK_CONTROL, true);
    Settle();
}

void ProgramUnderTest::Settle() const
{
    Sleep(250);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 60000, &ignored);
}

bool ProgramUnderTest::WaitForExit(DWORD milliseconds, DWORD* exitCode) const
{
    if (WaitForSingleObject(process.hProcess, milliseconds) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process.hProcess, exitCode);
    return true;
}
