#include "platform/ui/CmdUI.h"

#include "platform/ui/Menu.h"
#include "platform/ui/ToolBar.h"

void CCmdUI::Enable(BOOL on) {
    enabled = on != FALSE;
    handled = true;
    if (m_pMenu) m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    if (m_pOther) m_pOther->EnableButton(m_nID, on);
}

void CCmdUI::SetCheck(int value) {
    check = value;
    handled = true;
    if (m_pMenu) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (value ? MF_CHECKED : 0));
    if (m_pOther) m_pOther->CheckButton(m_nID, value);
}

void CCmdUI::SetText(const std::string& text) {
    handled = true;
    if (m_pMenu) {
        const UINT flags = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | (flags & (MF_GRAYED | MF_CHECKED)), m_nID,
                            text);
    }
}
