#include "foundation/process_end.h"

#include "foundation/platform_binding.h"

namespace {
void (*applicationStep)() = nullptr;
}

void SetApplicationShutdownStep(void (*step)())
{
    applicationStep = step;
}

void EndProcess(UINT exitCode)
{
    UnbindPlatformFunctions();
    if (applicationStep)
        applicationStep();
    ExitProcess(exitCode);
}
