#pragma once
// The session's hidden window: its timers (the connection time-out and the
// acknowledgement check) arrive here.

#include "platform/ui/Wnd.h"

class CNetSession;

class CNetSessionWnd : public CWnd {
public:
    explicit CNetSessionWnd(CNetSession& session);

protected:
    void OnTimer(UINT_PTR id) override;

private:
    CNetSession& m_session;
};
