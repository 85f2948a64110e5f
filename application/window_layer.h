// The main window and its controls, built from the window definition.
#pragma once
#include "application/window_definition.h"

#include <windows.h>

// Creates the window hidden, its controls in definition order, raises
// Created, then shows the window. A window that cannot be created is fatal.
void LoadMainWindow();

// The platform window of a component; null before loading and after closing.
HWND ComponentWindow(Component component);

// The component a window of ours belongs to.
bool FindComponentOfWindow(HWND window, Component* component);

bool MainWindowExists();

// The quit message is posted when the main window is gone, only while the
// message loop runs.
void SetMessageLoopRunning(bool running);

// The focus order: the tab-stop controls in reverse definition order.
void MoveFocusInOrder(bool backwards);

// Gives back the two icons loaded for the main window.
void ReleaseWindowIcons();
