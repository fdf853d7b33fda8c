#pragma once
// The menu commands of the game program: each command's menu entry and its
// prompt (status-bar text, also the tool tip). The menu and the string table
// are both built from this one list.

#include <vector>

#include "platform/ui/WinDefs.h"

namespace mercavo_resources {

struct SCommand {
    UINT id;
    const char* menuText;  // with its '&' mark and, after a tab, the key
    const char* prompt;    // nullptr: the menu entry without '&' and key
};

const std::vector<SCommand>& Commands();
// The command's entry; nullptr for an id that is not in the list.
const SCommand* FindCommand(UINT id);

}  // namespace mercavo_resources
