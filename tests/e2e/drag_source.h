// Drags a file list from this process and lets go over the program.
#pragma once
#include "program_driver.h"

#include <string>
#include <vector>

// Needs OLE on the calling thread; returns DoDragDrop's answer, which is
// the program's own Drop result.
// When given, *droppedAt is the performance counter at the moment the
// source let go, so the caller can time the drop itself.
HRESULT DropFilesOn(const ProgramUnderTest& program, Component over, POINT point,
                    const std::vector<std::string>& paths, LARGE_INTEGER* droppedAt = nullptr);
