#pragma once
// One command's state being asked for (the update rule of a command): the
// frame fills it in for a menu item when its pop-up opens, for a tool-bar
// button when the bars are updated, and before an accelerator or a button
// runs its command. The rule calls Enable and SetCheck; `handled` tells the
// frame that a rule was there at all.

#include <string>

#include "platform/ui/WinDefs.h"

class CMenu;
class CToolBar;

class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;      // the pop-up holding the item, or nullptr
    CToolBar* m_pOther = nullptr;  // the tool bar holding the button, or nullptr

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);
    virtual void SetText(const std::string& text);

    bool enabled = true;
    int check = 0;
    bool handled = false;
};
