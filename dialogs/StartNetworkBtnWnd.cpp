#include "dialogs/StartNetworkBtnWnd.h"

#include "dialogs/DialogHost.h"
#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "model/services/Services.h"
#include "platform/ui/MessageBox.h"
#include "views/BlockHost.h"

namespace {

constexpr UINT kStartMessage = 0x572;
constexpr UINT kGameWindowMessage = 0x573;
constexpr int kPlayerRole = 1;
constexpr int kObserverRole = 2;

bool Asked(const char* question) {
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace

int CStartNetworkBtnWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    const CRect none(0, 0, 10, 10);
    if (!m_start.Create("Start", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, none, this, kStartId) ||
        !m_cancel.Create("Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, none, this, kCancelId)) {
        return -1;
    }
    IBlockHost* host = IBlockHost::Get();
    if (CAppFonts* fonts = host ? host->GetAppFonts() : nullptr) {
        m_start.SetFont(fonts->GetMessageFont());
        m_cancel.SetFont(fonts->GetMessageFont());
    }
    return 0;
}

void CStartNetworkBtnWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout(cx, cy);
}

void CStartNetworkBtnWnd::Layout(int width, int height) {
    if (!m_start.IsWindow() || !m_cancel.IsWindow()) return;
    if (width == -1) {
        CRect client;
        GetClientRect(&client);
        width = client.Width();
        height = client.Height();
    }
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_startShown) {
        const int half = width / 2;
        m_start.ShowWindow(SW_SHOW);
        m_start.SetWindowPos(nullptr, 0, 0, half, height, flags);
        m_cancel.SetWindowPos(nullptr, half, 0, width - half, height, flags);
    } else {
        m_start.ShowWindow(SW_HIDE);
        m_cancel.SetWindowPos(nullptr, 0, 0, width, height, flags);
    }
}

BOOL CStartNetworkBtnWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kStartId:
            OnStart();
            return TRUE;
        case kCancelId:
            OnCancel();
            return TRUE;
        default:
            return CWnd::OnCommand(wParam, lParam);
    }
}

void CStartNetworkBtnWnd::OnStart() {
    IDialogHost* host = IDialogHost::Get();
    CVDoc* doc = host ? host->GetActiveDocument() : nullptr;
    if (!doc || !Services::HasNet()) return;
    INetService& net = Services::Net();
    const bool everybody = doc->GetPlayState() == net.CountNetPlayersByRole(kPlayerRole) &&
                           net.CountNetPlayersByRole(kObserverRole) == host->GetAdmittedObservers();
    if (!Asked(everybody ? kStartQuestion : kStartWithoutAllQuestion)) return;
    net.DropUnconnectedPlayers();
    if (doc->IsLoadedGame()) {
        net.TransmitDataToJoiners();
        net.SendParticipantEntry(-1, -1);
    } else {
        net.SendParticipantEntry(-1, -1);
        host->PostFrameMessage(kGameWindowMessage);
    }
    net.SendGameStartNotice(0);
}

void CStartNetworkBtnWnd::OnCancel() {
    IDialogHost* host = IDialogHost::Get();
    const bool session = Services::HasNet() && Services::Net().IsSessionStarted();
    if (session) {
        if (!Asked(kEndQuestion)) return;
        if (host) host->CloseProgramUnasked();
    } else if (host) {
        host->PostFrameMessage(kStartMessage);
    }
    if (Services::HasNet()) Services::Net().CloseNetwork();
}
