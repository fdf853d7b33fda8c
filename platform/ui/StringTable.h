#pragma once
// The program's string resources by id. A command's string holds its
// status-bar prompt and its tool tip, separated by a line break.

#include <string>

#include "platform/ui/WinDefs.h"

// The frame's idle prompt, shown in the status bar when no menu item or
// tool is pointed at.
constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;

class CStringTable {
public:
    static void Register(UINT id, const std::string& text);
    static void Unregister(UINT id);
    // "" when the id has no string.
    static std::string Get(UINT id);
    // The part before the first line break, or after it.
    static std::string Prompt(UINT id);
    static std::string ToolTip(UINT id);
};
