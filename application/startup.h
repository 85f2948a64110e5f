// The life cycle of the one GUI process.
#pragma once

// The application shell's part of every shutdown: the window's icons, OLE.
void ReleaseShellResources();

// Start-up up to a shown main window.
void StartProgram();

// Start-up, the message loop and the normal shutdown; does not return.
[[noreturn]] void RunProgram();
