// The target stored in a shell shortcut.
#pragma once
#include "foundation/values.h"

enum class ShortcutResolution {
    NotShortcut,  // the shell does not call it a link (or nothing is there)
    Resolved,     // *target holds the stored path
    Failed,       // a link that could not be read, or one without a file target
};

// One level, no search for a moved target; *target is a new Text when Resolved.
ShortcutResolution ResolveShortcut(Text path, Text* target);

// The stored target as a new Text; empty when the path names no shortcut
// or anything fails on the way.
Text QueryShortcutTarget(Text path);
