// Child scenarios that end through FatalError. Each registers an exit
// routine and a final shutdown step that leave marker files, so the parent
// can tell which parts of shutdown ran.
#include "application/startup.h"
#include "application/window_definition.h"
#include "application/window_layer.h"
#include "foundation/block_memory.h"
#include "foundation/exit_routines.h"
#include "foundation/platform_binding.h"
#include "foundation/process_end.h"
#include "support/child_process.h"
#include "support/scratch_files.h"
#include "queries/text_query.h"

#include <objbase.h>

#include <cstring>
#include <string>

namespace {

std::string markerFolder;

void LeaveExitRoutineMarker() { WriteFileBytes(markerFolder + "exit-routine-ran", "1"); }
void LeaveShutdownStepMarker() { WriteFileBytes(markerFolder + "shutdown-step-ran", "1"); }

void PrepareMarkers(const char* folder)
{
    markerFolder = folder;
    RegisterExitRoutine(LeaveExitRoutineMarker);
    SetApplicationShutdownStep(LeaveShutdownStepMarker);
}

int FailAllocation()
{
    // Wine overcommits the process heap, so the failure needs a heap with a limit.
    UseHeapForBlocks(HeapCreate(0, 0, 64 * 1024));
    AllocateBlock(1024 * 1024);
    return 0;
}

int FailBinding()
{
    PlatformFunctionEntry missing{0, "QuorvikNoSuchExport", "", nullptr, nullptr};
    BindPlatformEntry(missing);
    return 0;
}

// What the fatal shutdown leaves: every entry unbound when the shell's own
// step runs, and OLE fully given back after it.
void CheckShellShutdown()
{
    bool unbound = true;
    for (const PlatformFunctionEntry& entry : PlatformFunctionTable)
        unbound = unbound && entry.address == nullptr && entry.libraryHandle == nullptr;
    ReleaseShellResources();
    const bool oleGivenBack = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED) == S_OK;
    WriteFileBytes(markerFolder + "shutdown-step-ran",
                   std::string("unbound=") + (unbound ? "1" : "0") + " ole=" + (oleGivenBack ? "1" : "0"));
}

int FailInsideWindow()
{
    StartProgram();
    SetApplicationShutdownStep(CheckShellShutdown);
    OnQueryButtonClicked();  // binds the provider functions
    SetWindowTextA(ComponentWindow(编辑框2), std::string(200000, 'x').c_str());
    UseHeapForBlocks(HeapCreate(0, 0, 64 * 1024));
    OnQueryButtonClicked();
    return 0;
}

int EndNormally()
{
    RunExitRoutines();
    EndProcess(0);
}

struct Scenario {
    const char* name;
    int (*run)();
};
constexpr Scenario Scenarios[] = {
    {"fatal-allocation", FailAllocation},
    {"fatal-binding", FailBinding},
    {"normal-end", EndNormally},
    {"fatal-inside-window", FailInsideWindow},
};

}

int RunNamedChildScenario(int argc, char** argv, bool* wasChild)
{
    *wasChild = false;
    if (argc < 3 || std::strncmp(argv[1], "--child=", 8) != 0)
        return -1;
    *wasChild = true;
    for (const Scenario& scenario : Scenarios)
        if (std::strcmp(argv[1] + 8, scenario.name) == 0) {
            PrepareMarkers(argv[2]);
            return scenario.run();
        }
    return -1;
}
