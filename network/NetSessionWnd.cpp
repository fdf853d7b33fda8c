#include "network/NetSessionWnd.h"

#include "network/NetSession.h"
#include "platform/ui/Rect.h"

CNetSessionWnd::CNetSessionWnd(CNetSession& session) : m_session(session) {
    Create(nullptr, "network session", 0, CRect(0, 0, 0, 0), nullptr, 0);
}

void CNetSessionWnd::OnTimer(UINT_PTR id) {
    m_session.OnTimer(static_cast<unsigned>(id));
}
