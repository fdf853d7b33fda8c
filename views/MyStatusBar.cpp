#include "views/MyStatusBar.h"

#include "platform/ui/StringTable.h"
#include "platform/ui/ToolBar.h"

void CMyStatusBar::SetKeptText(const std::string& text) {
    m_keptText = text;
    if (IsWindow()) SetWindowText(text);
}

LRESULT CMyStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETTEXT) return CStatusBar::WindowProc(message, wParam, lParam);
    const int pane = CommandToIndex(ID_SEPARATOR);
    if (pane < 0) return -1;
    const std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
    const bool idle = text == CStringTable::Get(AFX_IDS_IDLEMESSAGE);
    SetPaneText(pane, idle ? m_keptText : text, TRUE);
    return 0;
}
