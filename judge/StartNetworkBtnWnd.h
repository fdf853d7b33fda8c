#pragma once
// The server's START button of the network window: it starts the network
// judgment with the participants who are in. The cancel command closes the
// judgment network and the program; no control of this window sends it.

#include "platform/ui/Button.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CJudgeNetwork;

class CStartNetworkBtnWnd : public CWnd {
public:
    static constexpr UINT kStartId = 1000;
    static constexpr UINT kCancelId = 1001;

    void SetNetwork(CJudgeNetwork* network) { m_network = network; }
    CButton& GetButton() { return m_button; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CButton m_button;
    CJudgeNetwork* m_network = nullptr;
};

}  // namespace judge
