#include "judge/NetworkSRInfoWnd.h"

#include "platform/gfx/SystemColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

constexpr COLORREF kSendColour = RGB(0, 255, 128);
constexpr COLORREF kReceiveColour = RGB(255, 128, 0);

}  // namespace

void CNetworkSRInfoWnd::Step(int direction) {
    int& position = direction == 0 ? m_send : m_receive;
    position = (position + 1) % kCells;
    if (IsWindow()) Invalidate(FALSE);
}

BOOL CNetworkSRInfoWnd::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CNetworkSRInfoWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_BTNSHADOW));
    const int w = client.Width() + 1;
    const int half = client.Height() / 2;
    auto cell = [&](int j, int top, int bottom, COLORREF colour) {
        const int left = w * j / kCells;
        const int right = w * (j + 1) / kCells - 1;
        if (right > left) dc.FillSolidRect(CRect(left, top, right, bottom), colour);
    };
    cell(m_send, 0, half, kSendColour);
    cell(m_receive, half, client.Height(), kReceiveColour);
}

}  // namespace judge
