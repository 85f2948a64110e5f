// The message loop of the one GUI thread.
#pragma once
#include <windows.h>

// Runs until the quit message; returns its value.
int RunMessageLoop();

// The window layer's look at a message before it is dispatched: keyboard
// rules and the mouse events of the event table. True when consumed.
bool PreTranslateMessage(MSG* message);
