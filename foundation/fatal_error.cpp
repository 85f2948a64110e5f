#include "foundation/fatal_error.h"

#include "foundation/exit_routines.h"
#include "foundation/process_end.h"

#include <windows.h>

namespace {

// The box is built without the block heap, which may be what failed.
void Append(char* into, size_t capacity, const char* text)
{
    size_t used = 0;
    while (used + 1 < capacity && into[used])
        ++used;
    while (used + 1 < capacity && text && *text)
        into[used++] = *text++;
    into[used] = '\0';
}

}

void FatalError(Text message, int32_t code)
{
    char box[1024] = "程序运行时发生错误。";
    if (code != 0) {
        char codeText[48];
        wsprintfA(codeText, "\r\n错误代码：%d", static_cast<int>(code));
        Append(box, sizeof box, codeText);
    }
    if (message && *message) {
        Append(box, sizeof box, "\r\n");
        Append(box, sizeof box, message);
    }
    MessageBoxA(nullptr, box, "QuorvikMD5", MB_ICONERROR | MB_OK);
    DiscardExitRoutines();
    EndProcess(static_cast<UINT>(-1));
}
