#include "dialogs/EstablishWnd.h"

#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"

bool CEstablishWnd::Open(CWnd* parent, const CRect& rect) {
    if (!CreateEx(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_DISABLED, rect, parent,
                  kChildId)) {
        return false;
    }
    return true;
}

LRESULT CEstablishWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_ENABLE && wParam) || message == WM_RUN_FOUNDING) {
        End();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CEstablishWnd::End() {
    if (m_done) return;
    m_done = true;
    if (m_ended) m_ended();
}
