// The fixed definition of the main window, its controls and its events.
#pragma once
#include "foundation/values.h"

#include <cstdint>
#include <windows.h>

// Components by their names in the definition; the value is the control's
// place in definition order (and its control identifier).
enum Component : int {
    窗口 = 0,
    标签4 = 1,
    标签3 = 2,
    按钮1 = 3,
    编辑框2 = 4,
    选择框1 = 5,
    拖放对象1 = 6,
    标签1 = 7,
    编辑框1 = 8,
};
constexpr int ControlCount = 8;

enum class ComponentKind { Window, EditBox, Label, Button, CheckBox, DropTarget };

struct ComponentDefinition {
    Component name;
    ComponentKind kind;
    int left, top, width, height;
    Text text;
    DWORD style;          // beyond WS_CHILD, WS_CLIPSIBLINGS and WS_TABSTOP
    DWORD extendedStyle;
    bool tabStop;
    bool visible;
    COLORREF textColour;
    int32_t dropSwitches[5];  // version 1, then AcceptText, AcceptHtml, AcceptUrl, AcceptFiles
};

struct MainWindowDefinition {
    Text title;
    int left, top, width, height;  // the place is not used: the window is centred
    DWORD style;
    ComponentDefinition controls[ControlCount];
};

extern const MainWindowDefinition MainWindow;

enum class ComponentEvent {
    Created,
    Clicked,
    DoubleClicked,
    LeftButtonReleased,
    TextDropped,
    HtmlDropped,
    UrlDropped,
    FilesDropped,
};

using PlainHandler = void (*)();
using MouseHandler = void (*)(int32_t x, int32_t y, int32_t keyState);
using TextHandler = void (*)(Text text);

struct EventBinding {
    Component source;
    ComponentEvent event;
    PlainHandler plain;
    MouseHandler mouse;
    TextHandler text;
};

// Every bound event; an event not listed has no effect.
extern const EventBinding EventTable[];
extern const int EventTableSize;

const ComponentDefinition& DefinitionOf(Component control);
