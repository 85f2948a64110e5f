// Raising a component's event runs the handler that the event table binds.
#pragma once
#include "application/window_definition.h"

#include <windows.h>

void RaiseEvent(Component source, ComponentEvent event);

// x and y are the low and high 16 bits of the message's lParam, unsigned;
// the key state is read when the event is raised.
void RaiseMouseEvent(Component source, ComponentEvent event, LPARAM position);

void RaiseTextEvent(Component source, ComponentEvent event, Text text);

bool IsEventBound(Component source, ComponentEvent event);
