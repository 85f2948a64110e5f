#include "application/event_dispatch.h"

namespace {
const EventBinding* BindingOf(Component source, ComponentEvent event)
{
    for (int i = 0; i < EventTableSize; ++i)
        if (EventTable[i].source == source && EventTable[i].event == event)
            return &EventTable[i];
    return nullptr;
}
}

bool IsEventBound(Component source, ComponentEvent event)
{
    return BindingOf(source, event) != nullptr;
}

void RaiseEvent(Component source, ComponentEvent event)
{
    if (const EventBinding* binding = BindingOf(source, event); binding && binding->plain)
        binding->plain();
}

void RaiseMouseEvent(Component source, ComponentEvent event, LPARAM position)
{
    const EventBinding* binding = BindingOf(source, event);
    if (!binding || !binding->mouse)
        return;
    const auto x = static_cast<int32_t>(LOWORD(position));
    const auto y = static_cast<int32_t>(HIWORD(position));
    int32_t keyState = 0;
    if (GetKeyState(VK_CONTROL) < 0)
        keyState += 1;
    if (GetKeyState(VK_SHIFT) < 0)
        keyState += 2;
    if (GetKeyState(VK_MENU) < 0)
        keyState += 4;
    binding->mouse(x, y, keyState);
}

void RaiseTextEvent(Component source, ComponentEvent event, Text text)
{
    if (const EventBinding* binding = BindingOf(source, event); binding && binding->text)
        binding->text(text);
}
