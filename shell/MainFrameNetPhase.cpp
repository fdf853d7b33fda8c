// The frame's side of a network game's month: the operations phase under
// the time limit, the execution of received orders, the network window and
// the player table.

#include <memory>

#include "dialogs/BaseDialog.h"
#include "dialogs/MyMessageDlg.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/Wait.h"
#include "network/NetSession.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Messages.h"
#include "shell/FrameCmdSetTarget.h"
#include "shell/MainFrame.h"
#include "shell/ReceivedOrders.h"
#include "shell/ReportLines.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"

namespace {
constexpr UINT kEndOperationsCommand = 40200;
constexpr int kOperationsMusic = 3;
constexpr int kMonthMusicBase = 6;
constexpr int kPhaseWaitTenths = 50;
constexpr int kNoticeCloseMs = 3000;
constexpr int kIndicatorSteps = 8;
// Session state 4: the game runs.
constexpr int kRunningSessionState = 4;
}  // namespace

bool CMainFrame::OnNetPhaseMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_TIMER && (wParam == kConnectTimerId || wParam == kTurnLimitTimerId)) {
        OnNetPhaseTimer(wParam);
        // The base handling still sees every timer message.
        result = CFrameWnd::WindowProc(message, wParam, lParam);
        return true;
    }
    if (message == WM_FORCE_END_INPUT) {
        ForceEndTurn();
        result = 0;
        return true;
    }
    return false;
}

void CMainFrame::OnNetPhaseTimer(UINT_PTR id) {
    KillTimer(id);
    if (id == kConnectTimerId) {
        // The session's own connection time-out: the session is closed,
        // "Connection refused." is shown and the start is posted again.
        GetNetSession().OnTimer(static_cast<unsigned>(kConnectTimerId));
        return;
    }
    if (!m_ordersComplete) SendMessage(WM_FORCE_END_INPUT, 0, 0);
}

void CMainFrame::ForceEndTurn() {
    // A dialog still open ends at once: a report as read, anything else
    // as cancelled.
    CBaseDialog::EndForced();
    m_ordersComplete = 1;
    m_forcedEnd = 1;
    PostMessage(WM_COMMAND, kEndOperationsCommand, 0);
}

// ---- the operations phase

void CMainFrame::RunNetworkOperations() {
    MarkPlayerBusy(-1);
    SetSessionState(kRunningSessionState);
    ShowNetworkWindow(0, 1, 0);
    SetTimer(kTurnLimitTimerId, kTurnLimitSeconds * 1000);
    BeginNetworkOperations();
}

CEnterprise* CMainFrame::OwnNetCompany() {
    // A seat whose own entry or company is gone only watches.
    if (m_frameState.IsObserver() || !m_doc) return nullptr;
    return m_doc->GetEnterprise(GetNetPlayerCompany(FindSelfNetPlayer()));
}

void CMainFrame::BeginNetworkOperations() {
    EndMapPick(0);
    if (m_doc) {
        for (int c = 0; c < m_doc->CompanyCount(); ++c) m_doc->GetEnterprise(c)->ClearAuctionBid();
    }
    m_ordersComplete = 0;
    m_humanTurnOpen = 1;
    m_forcedEnd = 0;

    const int month = m_doc ? m_doc->GetMonth() : 0;
    PlayMusic(OwnNetCompany() ? kOperationsMusic : month + kMonthMusicBase);
    Wait(kPhaseWaitTenths, 0, 0);
    SetStatusText("Company management.");

    // The wait dispatched messages: the seat's company is looked up again.
    CEnterprise* own = OwnNetCompany();
    if (!own) {
        if (m_frameState.IsNetworkHost() && CountNetPlayersByRole(CNetworkData::kPlayer) == 0)
            EndTurn();
        return;
    }
    if (own->IsOnStrike()) {
        SetStatusText("Strike Occurring.");
        EndTurn();
        return;
    }
    ShowOperationsNotice();
    OpenPlayerOperations();
}

void CMainFrame::ShowOperationsNotice() {
    CMyMessageDlg box(this);
    box.SetCaption("MERCAVO");
    box.SetAutoClose(kNoticeCloseMs);
    CTarvoApp* app = CTarvoApp::Get();
    CFont* font = app ? app->GetMessageFont2() : nullptr;
    CReportLines lines(box.GetTextWnd(), font, font, GetSysColor(COLOR_BTNTEXT));
    lines.Line(1).Text("Administer company.operations.");
    lines.Line(2).Text(FormatText("(Time limit:%d seconds)", kTurnLimitSeconds));
    // The box brings the network window back as it closes.
    ShowNetworkWindow(0, 0, 0);
    box.SetReshowNetworkWindow();
    box.DoModal();
}

void CMainFrame::OpenPlayerOperations() {
    // The notice ran a modal loop: the company may have left meanwhile.
    if (!OwnNetCompany()) return;
    const int company = GetNetPlayerCompany(FindSelfNetPlayer());
    if (m_view) m_view->ShowTurnCompany(-1);
    m_saveBlocked = 0;
    // The rest is what every person's turn opens with.
    BeginHumanTurn(company);
}

// ---- received orders

void CMainFrame::ExecuteCmdSet(int company) {
    const CEnterprise* c = m_doc ? m_doc->GetEnterprise(company) : nullptr;
    if (!c) return;
    CFrameCmdSetTarget target(*this);
    CReceivedOrders::Execute(m_netPlayers, company, c->GetNetworkPlayerId(), target,
                             m_currentOrder);
}

void CMainFrame::SendCmdSet(const CCmdSet&, int) {}

void CMainFrame::ProposeProTeamPurchase(int, int, int, int, int) {}

// ---- the network window

std::string CMainFrame::NetworkWindowTitle(bool host, const std::string& password,
                                           const std::string& hostAddress) {
    std::string title = "MERCAVO-NETWORK";
    if (!host && !password.empty()) title += " [Password " + password + "]";
    return title + " <Connection " + hostAddress + ">";
}

void CMainFrame::UpdateNetworkWindowTitle() {
    const std::string address = m_net ? m_net->GetHostAddress() : std::string();
    m_networkWnd.SetWindowText(
        NetworkWindowTitle(m_frameState.IsNetworkHost() != 0, m_netPassword, address));
}

void CMainFrame::ShowNetworkWindow() {
    ShowNetworkWindow(1, 0, 0);
}

void CMainFrame::ShowNetworkWindow(int toggle, int show, int refresh) {
    if (!m_frameState.IsNetworkGame()) return;
    m_networkWndShown = toggle ? !m_networkWndShown : (show ? 1 : 0);
    UpdateNetworkWindowTitle();
    if (m_networkWnd.IsWindow()) {
        m_networkWnd.ShowWindow(m_networkWndShown ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (refresh) m_networkWnd.Invalidate();
    }
}

// ---- the player table

int CMainFrame::RemoveNetPlayer(int id, int closeSockets) {
    if (FindNetPlayerById(id) < 0) return 0;
    // The session owns the sockets; it closes them as it drops the entry.
    if (closeSockets && m_frameState.IsNetworkHost() && m_net)
        m_net->RemoveNetPlayer(id, true);
    else
        m_netPlayers.RemoveNetPlayer(id);
    return 1;
}

void CMainFrame::ReleaseCompanyOfNetPlayer(int company) {
    const CEnterprise* c = m_doc ? m_doc->GetEnterprise(company) : nullptr;
    const int playerId = c && c->IsHumanPlayed() ? c->GetNetworkPlayerId() : -1;
    if (m_netPlayers.ReleaseCompany(company, playerId)) {
        m_frameState.SetNetworkRoles(m_frameState.IsNetworkGame(), m_frameState.IsNetworkHost(), 1);
        if (m_view) m_view->ShowTurnCompany(-1);
    }
    if (m_networkWnd.IsWindow()) m_networkWnd.Invalidate();
}

int CMainFrame::IsNetworkClient() const {
    return m_frameState.IsNetworkGame() && !m_frameState.IsNetworkHost() ? 1 : 0;
}

int CMainFrame::StepIndicator(int which) {
    if (which < 0 || which > 1) return 0;
    int& counter = m_indicators[static_cast<size_t>(which)];
    counter = (counter + 1) % kIndicatorSteps;
    return counter;
}
