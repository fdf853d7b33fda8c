#pragma once
// The game program's resource tables: menu 100 with its command prompts,
// the accelerator table 100, the strings (title, file filter, mode texts,
// document string), the About dialog 500 and the report box 360. Register() makes them known to
// the window layer's menus, strings, accelerators and dialogs; it may be
// called more than once.

#include <vector>

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

namespace mercavo_resources {

void Register();

const MENUTEMPLATE& MainMenu();
const CAcceleratorTable& Accelerators();
const DIALOGTEMPLATE& AboutDialog();
const DIALOGTEMPLATE& ReportBoxDialog();
// The start choice, the map file choice, the set-up wizard, the company
// detail entry and the network address prompt (resources/SetUpIds.h).
const std::vector<const DIALOGTEMPLATE*>& SetUpDialogs();

// Every string of the tables, as (id, text) pairs.
struct SStringEntry {
    UINT id;
    const char* text;
};
const std::vector<SStringEntry>& Strings();

}  // namespace mercavo_resources
