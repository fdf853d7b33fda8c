#include "platform/ui/ControlBar.h"

#include "platform/ui/ControlMessages.h"
#include "platform/ui/FrameWnd.h"

BOOL CControlBar::CreateBar(CWnd* parent, DWORD style, UINT id) {
    m_barStyle = style & 0xFFFF;
    const DWORD windowStyle = (style & 0xFFFF0000u) | WS_CHILD;
    if (!CreateEx(0, nullptr, "", windowStyle, CRect(0, 0, 0, 0), parent, id)) return FALSE;
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent)) frame->RecalcLayout();
    return TRUE;
}

void CControlBar::ShowPrompt(UINT id) {
    if (!(m_barStyle & CBRS_FLYBY)) return;
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_SETMESSAGESTRING, id, 0);
}
