#pragma once
// The send and receive lamp of the network window: eight cells, the top
// half lighting the send position, the bottom half the receive position;
// each record sent or received moves its position on by one.

#include "platform/ui/Wnd.h"

namespace judge {

class CNetworkSRInfoWnd : public CWnd {
public:
    static constexpr int kCells = 8;

    // direction 0: a record sent; 1: one received.
    void Step(int direction);
    int GetSendPosition() const { return m_send; }
    int GetReceivePosition() const { return m_receive; }

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    int m_send = 0;
    int m_receive = 0;
};

}  // namespace judge
