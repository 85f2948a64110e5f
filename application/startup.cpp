#include "application/startup.h"

#include "application/message_loop.h"
#include "application/program_state.h"
#include "application/window_definition.h"
#include "application/window_layer.h"
#include "foundation/block_memory.h"
#include "foundation/exit_routines.h"
#include "foundation/fatal_error.h"
#include "foundation/process_end.h"

#include <ole2.h>
#include <windows.h>

void ReleaseShellResources()
{
    ReleaseWindowIcons();
    OleUninitialize();
}

namespace {

void MakeExecutableFolderCurrent()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* lastBackslash = nullptr;
    for (char* at = path; *at; ++at)
        if (*at == '\\')
            lastBackslash = at;
    if (!lastBackslash)
        return;
    // A folder at the root keeps its backslash: "C:\" rather than "C:".
    if (lastBackslash > path && lastBackslash[-1] == ':')
        lastBackslash[1] = '\0';
    else
        *lastBackslash = '\0';
    SetCurrentDirectoryA(path);
}

bool DefinitionIsReadable()
{
    for (int i = 0; i < ControlCount; ++i)
        if (MainWindow.controls[i].name != i + 1)
            return false;
    return MainWindow.title && MainWindow.width > 0 && MainWindow.height > 0;
}

}

void StartProgram()
{
    UseHeapForBlocks(GetProcessHeap());
    OleInitialize(nullptr);
    SetApplicationShutdownStep(ReleaseShellResources);
    MakeExecutableFolderCurrent();
    if (!DefinitionIsReadable())
        FatalError("无法读取主窗口的定义", 0);
    RegisterExitRoutine(ReleaseProgramState);
    LoadMainWindow();
}

void RunProgram()
{
    StartProgram();
    const int exitCode = RunMessageLoop();
    RunExitRoutines();
    EndProcess(static_cast<UINT>(exitCode));
}
