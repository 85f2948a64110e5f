// Starts QuorvikMD5.exe and drives it from this process with real input.
#pragma once
#include "application/window_definition.h"

#include <functional>
#include <string>
#include <windows.h>

class ProgramUnderTest {
public:
    // Starts the program (by default the one beside this test program) and
    // waits for its window.
    explicit ProgramUnderTest(const std::string& program = "");
    // Ends the program if the test left it running.
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    HWND Main() const { return main; }
    HWND Control(Component component) const;
    DWORD ProcessId() const { return process.dwProcessId; }
    bool Running() const;

    std::string TextOf(Component component) const;
    void PutText(Component component, const std::string& text) const;
    // Through the clipboard: select all, then WM_PASTE. Wine's cross-process
    // WM_SETTEXT gives up somewhere between 100 KB and 1 MiB.
    void PasteText(Component component, const std::string& text) const;
    HWND FocusedWindow() const;

    // Real input through SendInput, to the program made foreground first.
    void ClickAt(Component component, int x, int y, bool rightButton = false) const;
    void ClickCentre(Component component) const;
    void DoubleClickCentre(Component component) const;
    void PressKey(WORD key, bool shift = false, bool ctrl = false) const;

    // Waits for the program's queue to be empty again.
    void Settle() const;

    // True once the process has ended; *exitCode is its code.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode) const;

private:
    void BringToFront() const;

    PROCESS_INFORMATION process{};
    HWND main = nullptr;
};

// Puts the pointer there; it can jump back just after a move, so the move
// is repeated until it stays.
void MoveCursorTo(POINT screen);

// Polls until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);

// The folder of this test program, with a trailing backslash.
std::string TestProgramFolder();
