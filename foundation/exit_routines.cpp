#include "foundation/exit_routines.h"

namespace {
// The program registers one routine; a few spare places cost nothing.
constexpr size_t Capacity = 8;
ExitRoutine registered[Capacity];
size_t registeredCount = 0;
}

void RegisterExitRoutine(ExitRoutine routine)
{
    for (size_t i = 0; i < registeredCount; ++i)
        if (registered[i] == routine)
            return;
    if (routine && registeredCount < Capacity)
        registered[registeredCount++] = routine;
}

ExitRoutines ExitRoutineList()
{
    return {registered, registeredCount};
}

void RunExitRoutines()
{
    for (size_t i = 0; i < registeredCount; ++i)
        registered[i]();
    registeredCount = 0;
}

void DiscardExitRoutines()
{
    registeredCount = 0;
}
