// The last steps of every shutdown, normal and fatal.
#pragma once
#include <windows.h>

// The application shell's own last step (its icons, OLE), which the
// foundation cannot name.
void SetApplicationShutdownStep(void (*step)());

// Gives back the bound libraries, runs the application's step and ends the
// process with the exit code.
[[noreturn]] void EndProcess(UINT exitCode);
