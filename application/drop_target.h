// The drop target component: OLE drag and drop on one window, turned into
// the component's own events.
#pragma once
#include "application/window_definition.h"

#include <ole2.h>
#include <windows.h>

// Receives the component's events; the text belongs to the component and
// is released after the call.
using DropEventSink = void (*)(void* context, ComponentEvent event, Text text);

// A new drop target with its reference count at 1. `switches` is the
// definition's record: version, AcceptText, AcceptHtml, AcceptUrl, AcceptFiles.
IDropTarget* CreateDropTarget(const int32_t switches[5], DropEventSink sink, void* context);

// Records the window (once in the component's life, even when the platform
// refuses) and registers the target on it. True exactly when RegisterDragDrop
// gives S_OK; false when a window was recorded before.
bool RegisterDropTargetWindow(IDropTarget* target, HWND window);

// The same for the component of the window definition.
bool RegisterDropWindow(Component component, HWND window);

// The effect left for the drag source; only Ctrl and Shift count.
DWORD ChooseDropEffect(bool accepted, DWORD keyState, DWORD offered);

// The component's hidden child window, which owns its drop target and
// revokes the registration when it is destroyed with the main window.
HWND CreateDropTargetComponent(HWND parent, HINSTANCE instance, const ComponentDefinition& definition);
