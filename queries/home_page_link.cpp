#include "queries/home_page_link.h"

#include <windows.h>
#include <shellapi.h>

const char HomePageAddress[] = "https://quorvik.example/";

void OnLinkLabelMouseUp(int32_t, int32_t, int32_t)
{
    HWND owner = FindWindowA(nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", HomePageAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
