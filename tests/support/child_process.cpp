#include "support/child_process.h"

#include <vector>

namespace {

std::string BoxText(HWND box)
{
    // The message text of a message box is its static control 0xFFFF.
    char text[2048] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

}

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && lstrcmpA(className, search->className) == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}

HWND FindVisibleWindowOf(DWORD processId, const char* className)
{
    WindowSearch search{processId, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ChildRun RunProgramDismissingBoxes(const std::string& commandLine, DWORD timeoutMilliseconds)
{
    ChildRun run;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        run.exitCode = static_cast<DWORD>(-2);
        return run;
    }
    const DWORD started = GetTickCount();
    while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
        if (HWND box = FindVisibleWindowOf(process.dwProcessId, "#32770")) {
            run.boxText = BoxText(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        if (GetTickCount() - started > timeoutMilliseconds) {
            run.timedOut = true;
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

ChildRun RunChildScenario(const std::string& scenario, const std::string& argument,
                          DWORD timeoutMilliseconds)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine;
    commandLine.append("\"").append(self).append("\" --child=").append(scenario);
    // Backslashes before the closing quote are doubled, or they would escape it.
    std::string quoted = argument;
    size_t trailing = quoted.size();
    while (trailing > 0 && quoted[trailing - 1] == '\\')
        --trailing;
    quoted.append(quoted.size() - trailing, '\\');
    commandLine.append(" \"").append(quoted).append("\"");
    return RunProgramDismissingBoxes(commandLine, timeoutMilliseconds);
}
