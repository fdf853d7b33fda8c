// The menu commands, tool-bar buttons and accelerators of the main frame,
// and the rules that enable them. The commands themselves live by topic:
// MainFrameCommandsFile.cpp (save, end of operations, history texts),
// MainFrameCommandsMap.cpp (map modes, picks, zoom, directions),
// MainFrameCommandsOrders.cpp (orders and their dialogs, options) and
// MainFrameCommandsHelp.cpp (help and web pages, the data's authors).

#include "game/VDoc.h"
#include "model/EpMapData.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"
#include "shell/CommandRules.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"

bool CMainFrame::OnMenuCommand(UINT id) {
    // Ids without a handler (the new-document key, the edit and pane keys)
    // fall through to the window, which does nothing with them: a new
    // document would empty the running game.
    return RunFileCommand(id) || RunMapCommand(id) || RunOrderCommand(id) ||
           RunHelpCommand(id);
}

bool CMainFrame::OnUpdateMenuCommand(CCmdUI* ui) {
    const SCommandUi rule = CCommandRules::Evaluate(ui->m_nID, CollectCommandState());
    if (!rule.handled) return false;
    ui->Enable(rule.enabled ? TRUE : FALSE);
    ui->SetCheck(rule.check);
    return true;
}

void CMainFrame::EnableMenuBar(int enable) {
    CMenu* menu = GetMenu();
    if (!menu) return;
    // Help stays open to a player who waits.
    const UINT state = enable ? MF_ENABLED : MF_GRAYED;
    bool changed = false;
    for (int i = 0; i + 1 < menu->GetMenuItemCount(); ++i) {
        changed |= menu->EnableMenuItem(static_cast<UINT>(i), MF_BYPOSITION | state) != state;
    }
    // The month turns input off for every company; the bar is only drawn
    // again when it looks different.
    if (changed) DrawMenuBar();
}

bool CMainFrame::BeginPlayerCommand() {
    if (!m_humanTurnOpen) return false;
    EndMapPick(0);
    return true;
}

int CMainFrame::GetSeatCompany() {
    if (!m_doc) return -1;
    if (m_frameState.IsNetworkGame()) {
        if (m_frameState.IsObserver()) return -1;
        const int company = GetNetPlayerCompany(FindSelfNetPlayer());
        return m_doc->GetEnterprise(company) ? company : -1;
    }
    const int company = m_doc->GetTurnEnterprise(-1);
    return m_doc->GetEnterprise(company) ? company : -1;
}

namespace {

int Holdings(const CEnterprise& company, int element) {
    if (element < 0 || element > company.GetAreaCount()) return 0;
    const CEpMapData& record = company.GetAreaRecord(element);
    return record.GetLand() + record.GetBuildings();
}

bool HoldsShares(CVDoc& doc, int holder) {
    for (int c = 0; c < doc.CompanyCount(); ++c) {
        if (doc.GetStockHolding(c, holder) > 0) return true;
    }
    return false;
}

}  // namespace

SCommandState CMainFrame::CollectCommandState() {
    SCommandState s;
    s.input = m_inputEnabled != 0;
    s.network = m_frameState.IsNetworkGame() != 0;
    s.host = m_frameState.IsNetworkHost() != 0;
    s.saveBlocked = m_saveBlocked != 0;
    s.chainIdle = IsChainIdle();
    s.mapMode = m_mapMode;
    s.drawRate = m_options.mapDrawRate;
    if (!m_doc) return s;
    s.direction = m_doc->GetViewDirection();
    for (int d = 0; d < 4; ++d) {
        s.directionEnabled[static_cast<size_t>(d)] = m_doc->GetMap().IsDirectionComplete(d);
    }
    const CEnterprise* company = m_doc->GetEnterprise(GetSeatCompany());
    if (!company) return s;
    s.company = true;
    s.freeDirectors = company->CountFreeDirectors();
    s.busyDirectors = company->GetDirectorCount() - s.freeDirectors;
    s.shownHoldings = Holdings(*company, GetShownArea() + 1);
    s.totalHoldings = Holdings(*company, 0);
    s.auctionBidPending = company->GetAuctionBid().minimalBid != -1;
    s.sharesHeld = HoldsShares(*m_doc, company->GetNumber());
    s.teams = company->CountOwnedTeams();
    s.funds = company->GetFunds();
    s.debt = company->GetDebt();
    s.employeesAtWork = company->GetEmployeesAtWork();
    return s;
}
