#include "judge/StartNetworkBtnWnd.h"

#include "judge/ArboApp.h"
#include "judge/JudgeNetwork.h"
#include "judge/MainFrame.h"
#include "platform/ui/Messages.h"

namespace judge {

int CStartNetworkBtnWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    if (!m_button.Create("START", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 10, 10), this,
                         kStartId)) {
        return -1;
    }
    if (CArboApp* app = CArboApp::Get()) m_button.SetFont(app->GetStandardFont());
    return 0;
}

void CStartNetworkBtnWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (m_button.IsWindow()) m_button.MoveWindow(0, 0, cx, cy, TRUE);
}

BOOL CStartNetworkBtnWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kStartId:
            if (m_network) m_network->StartJudgment();
            return TRUE;
        case kCancelId:
            if (m_network) m_network->Close();
            if (CArboApp* app = CArboApp::Get(); app && app->GetMainFrame())
                app->GetMainFrame()->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            return TRUE;
        default:
            return CWnd::OnCommand(wParam, lParam);
    }
}

}  // namespace judge
