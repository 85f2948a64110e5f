#include "foundation/platform_binding.h"

#include "foundation/fatal_error.h"

PlatformFunctionEntry PlatformFunctionTable[PlatformFunctionCount] = {
    {0, "CryptAcquireContextA", "", nullptr, nullptr},
    {1, "CryptHashData", "", nullptr, nullptr},
    {2, "CryptCreateHash", "", nullptr, nullptr},
    {3, "CryptGetHashParam", "", nullptr, nullptr},
    {4, "CryptGetHashParam", "", nullptr, nullptr},
    {5, "CryptDestroyHash", "", nullptr, nullptr},
    {6, "CryptReleaseContext", "", nullptr, nullptr},
    {7, "CharLowerA", "", nullptr, nullptr},
    {8, "CharUpperA", "", nullptr, nullptr},
};

const char* const LibrarySearchOrder[LibrarySearchCount] = {
    "Kernel32.dll", "Gdi32.dll", "User32.dll", "Advapi32.dll", "Mpr.dll", "Shell32.dll",
};

void* BindPlatformEntry(PlatformFunctionEntry& entry)
{
    if (entry.address)
        return entry.address;
    for (const char* libraryName : LibrarySearchOrder) {
        HMODULE library = LoadLibraryA(libraryName);
        if (!library)
            continue;
        if (FARPROC address = GetProcAddress(library, entry.functionName)) {
            entry.address = reinterpret_cast<void*>(address);
            entry.libraryHandle = library;
            return entry.address;
        }
        FreeLibrary(library);
    }
    char message[160] = "无法找到平台函数：";
    const int used = lstrlenA(message);
    lstrcpynA(message + used, entry.functionName, static_cast<int>(sizeof message) - used);
    FatalError(message, 0);
}

void* BindPlatformFunction(int index)
{
    return BindPlatformEntry(PlatformFunctionTable[index]);
}

void UnbindPlatformFunctions()
{
    for (PlatformFunctionEntry& entry : PlatformFunctionTable) {
        if (entry.address && entry.libraryHandle)
            FreeLibrary(entry.libraryHandle);
        entry.address = nullptr;
        entry.libraryHandle = nullptr;
    }
}
