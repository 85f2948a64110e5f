// Runs this test program again as a child, for behaviour that ends the
// process: the child shows an error box, which the parent closes itself.
#pragma once
#include <string>
#include <windows.h>

struct ChildRun {
    DWORD exitCode = 0;
    std::string boxText;  // text of the error box the child showed, if any
    bool timedOut = false;
};

// Starts the test program as `program --child=<scenario> <argument>`.
ChildRun RunChildScenario(const std::string& scenario, const std::string& argument,
                          DWORD timeoutMilliseconds = 60000);

// Starts any program with the command line and waits for its end, closing
// each error box it shows; a child still running at the timeout is ended.
ChildRun RunProgramDismissingBoxes(const std::string& commandLine, DWORD timeoutMilliseconds);

// A visible top-level window of the process with that class, or null.
HWND FindVisibleWindowOf(DWORD processId, const char* className);

// The child side: the scenario named on the command line, or -1 when the
// command line names none. Defined by each test program.
int RunNamedChildScenario(int argc, char** argv, bool* wasChild);
