// The module's processes as the desktop host offers them: menu, caption, process name with its
// parameter text, and shortcut.
#pragma once

#include <span>

struct TProcessEntry {
    const char* Menu;       // "&Edit", "&View", ...
    const char* Caption;    // "Zoom &In"; nil for a separator
    const char* Process;    // "Wave:Zoom"
    const char* Parameters; // "Action=ZoomIn"
    const char* Shortcut;   // a QKeySequence text, or ""
    bool Checkable;         // the module reports a checked state
    bool Toolbar;           // also on the tool bar
};

std::span<const TProcessEntry> ProcessCatalog();
