#include "queries/shortcut_target.h"

#include "foundation/block_memory.h"
#include "foundation/text_operations.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

ShortcutResolution ResolveShortcut(Text path, Text* target)
{
    *target = nullptr;
    SHFILEINFOA information{};
    if (!SHGetFileInfoA(path ? path : "", 0, &information, sizeof information, SHGFI_ATTRIBUTES))
        return ShortcutResolution::NotShortcut;
    if (!(information.dwAttributes & SFGAO_LINK))
        return ShortcutResolution::NotShortcut;

    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return ShortcutResolution::Failed;
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return ShortcutResolution::Failed;
    }

    const int wideLength = TextLength(path) + 1;
    auto* widePath = static_cast<wchar_t*>(AllocateBlock(sizeof(wchar_t) * static_cast<size_t>(wideLength)));
    MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, wideLength);
    ShortcutResolution resolution = ShortcutResolution::Failed;
    char stored[MAX_PATH] = "";
    if (SUCCEEDED(file->Load(widePath, STGM_READ)) &&
        SUCCEEDED(link->GetPath(stored, MAX_PATH, nullptr, 0))) {
        stored[MAX_PATH - 1] = '\0';
        if (stored[0] != '\0') {
            *target = CopyText(stored);
            resolution = ShortcutResolution::Resolved;
        }
    }
    ReleaseBlock(widePath);
    file->Release();
    link->Release();
    return resolution;
}

Text QueryShortcutTarget(Text path)
{
    Text target = nullptr;
    ResolveShortcut(path, &target);
    return target;
}
