// Stands in for the web browser: writes the address it was asked to open
// into url_recorder.log beside itself.
#include <windows.h>

int main(int argc, char** argv)
{
    char log[MAX_PATH];
    GetModuleFileNameA(nullptr, log, MAX_PATH);
    char* end = log + lstrlenA(log);
    while (end > log && end[-1] != '\\')
        --end;
    lstrcpyA(end, "url_recorder.log");
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    for (int i = 1; i < argc; ++i) {
        WriteFile(file, argv[i], static_cast<DWORD>(lstrlenA(argv[i])), &written, nullptr);
        WriteFile(file, "\n", 1, &written, nullptr);
    }
    CloseHandle(file);
    return 0;
}
