// Program-wide clean-up run at normal shutdown only.
#pragma once
#include <cstddef>

using ExitRoutine = void (*)();

// Appends the routine unless the list already holds it.
void RegisterExitRoutine(ExitRoutine routine);

// The routines in registration order.
struct ExitRoutines {
    const ExitRoutine* routines;
    size_t count;
};
ExitRoutines ExitRoutineList();

// Normal shutdown: each routine once, in order, then the list is emptied.
void RunExitRoutines();

// Fatal shutdown: the list is emptied without running anything.
void DiscardExitRoutines();
