#pragma once
// The judgment program's resource tables: menu 128 and the About box
// (dialog 100). Register() makes them known to the window layer's menus and
// dialogs; it may be called more than once.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

namespace judge_resources {

void Register();

const MENUTEMPLATE& MainMenu();
const DIALOGTEMPLATE& AboutDialog();

}  // namespace judge_resources
