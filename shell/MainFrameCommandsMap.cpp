// The frame's map commands: the picks that orders start on the map, the
// shown real estate, the prosperity display, the partial map, the zoom and
// the view direction, and the clicks that end a pick.

#include "dialogs/ShowMapPartDlg.h"
#include "game/OrderCommands.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageBox.h"
#include "resources/MercavoIds.h"
#include "shell/CommandRules.h"
#include "shell/MainFrame.h"
#include "shell/SetDrawMes.h"
#include "shell/VView.h"
#include "views/MapDrawWnd.h"

using namespace mercavo_ids;

namespace {

constexpr int kVkShift = 0x10;
// What a demolition and a reinforcement cost at least.
constexpr int kDemolitionMinFunds = 10;
constexpr int kReinforcementMinFunds = 5;
// Choice slot 0 holds the structure type to build; -1 a demolition.
constexpr int kStructureSlot = 0;
constexpr int kDemolitionChoice = -1;

}  // namespace

bool CMainFrame::RunMapCommand(UINT id) {
    if (const double rate = CCommandRules::ZoomRate(id); rate > 0) {
        SetZoom(rate);
        return true;
    }
    if (const int direction = CCommandRules::ViewDirection(id); direction >= 0) {
        SetViewDirection(direction);
        return true;
    }
    const int modeBefore = m_mapMode;
    switch (id) {
        case kShowAcquired:
            ShowAcquiredRealEstate();
            return true;
        case kPartialMap:
            ShowPartialMap();
            return true;
        case kNetworkWindow:
            if (m_frameState.IsNetworkGame()) ShowNetworkWindow();
            return true;
        case kPurchaseDesignated:
            if (BeginPlayerCommand()) TogglePick(modeBefore, CCommandRules::kMapPurchase);
            return true;
        case kSellRealEstate:
            if (BeginPlayerCommand()) TogglePick(modeBefore, CCommandRules::kMapSale);
            return true;
        case kConstruction:
            if (BeginPlayerCommand()) ChooseConstruction(modeBefore);
            return true;
        case kDemolition:
            if (BeginPlayerCommand()) StartFundedPick(CCommandRules::kMapConstruction, kDemolitionMinFunds);
            return true;
        case kReinforce:
            if (BeginPlayerCommand() && modeBefore != CCommandRules::kMapReinforce) {
                StartFundedPick(CCommandRules::kMapReinforce, kReinforcementMinFunds);
            }
            return true;
        case kProsperityDisplay:
            ShowProsperity();
            return true;
        case kCursorToCentre:
            CursorToCentre();
            return true;
        default:
            return false;
    }
}

void CMainFrame::ShowAcquiredRealEstate() {
    // Shift turns the command into the portfolio list.
    if (GetKeyState(kVkShift) < 0) {
        RunOrderCommand(kPortfolio);
        return;
    }
    const int modeBefore = m_mapMode;
    if (!BeginPlayerCommand() || modeBefore == CCommandRules::kMapAcquired) return;
    CMapDrawWnd* map = GetMapDrawWnd();
    if (map && map->MarkCompanyCells(GetSeatCompany())) {
        BeginMapMode(CCommandRules::kMapAcquired);
    } else {
        MessageBeep(0);
    }
}

void CMainFrame::TogglePick(int modeBefore, int mode) {
    if (modeBefore == mode) return;
    BeginMapMode(mode);
    SetMapPickMode(1, 1, 1);
}

void CMainFrame::StartFundedPick(int mode, int minFunds) {
    const CEnterprise* company = m_doc ? m_doc->GetEnterprise(GetSeatCompany()) : nullptr;
    if (!company) return;
    if (company->GetFunds() < minFunds) {
        CSetDrawMes(this).ShowInadequateFunds();
        return;
    }
    if (mode == CCommandRules::kMapConstruction) SetChangeFlag(kStructureSlot, kDemolitionChoice);
    BeginMapMode(mode);
    SetMapPickMode(1, 1, 1);
}

void CMainFrame::ShowPartialMap() {
    if (!BeginPlayerCommand()) return;
    CShowMapPartDlg dialog;
    dialog.DoModal();
    // The dialog drives the map while it is open; afterwards the whole map
    // shows again.
    CMapDrawWnd* map = GetMapDrawWnd();
    if (!map) return;
    const int topography = map->SetTopographyOnly(0);
    const int rows = map->SetPartView(-1);
    if ((topography || rows) && map->IsWindow()) {
        map->Invalidate();
        map->UpdateWindow();
    }
}

void CMainFrame::SetZoom(double rate) {
    if (m_options.mapDrawRate == rate) return;
    m_options.mapDrawRate = rate;
    CMapDrawWnd* map = GetMapDrawWnd();
    if (!map || !map->IsWindow()) return;
    CRect client;
    map->GetClientRect(&client);
    int cx = client.Width(), cy = client.Height();
    map->UpdateScrollBars(cx, cy);
    map->Invalidate();
}

void CMainFrame::SetViewDirection(int direction) {
    if (m_view) m_view->SetDirection(direction);
}

void CMainFrame::ShowProsperity() {
    const int modeBefore = m_mapMode;
    // The display may also be ended while input is off: it only shows.
    EndMapPick(modeBefore == CCommandRules::kMapProsperity ? 1 : 0);
    if (modeBefore == CCommandRules::kMapProsperity) return;
    BeginMapMode(CCommandRules::kMapProsperity);
    if (CMapDrawWnd* map = GetMapDrawWnd(); map && map->IsWindow()) map->Invalidate();
}

void CMainFrame::CursorToCentre() {
    CMapDrawWnd* map = GetMapDrawWnd();
    if (!m_pickFlag || !map || !m_doc) return;
    const CMapDoc& mapDoc = m_doc->GetMap();
    map->SetCursorCell((mapDoc.GetGridWidth() - 1) / 2, (mapDoc.GetGridHeight() - 1) / 2, TRUE);
    if (map->IsWindow()) map->SetFocus();
}

// ---------------------------------------------------------------- picks

void CMainFrame::OnMapPick(CCellPoint cell) {
    if (!m_pickFlag || !m_doc) return;
    COrderCommands& commands = m_doc->GetCommands();
    switch (m_mapMode) {
        case CCommandRules::kMapPurchase:
            commands.OnMapDesignatedPurchase(cell);
            break;
        case CCommandRules::kMapSale:
            commands.OnMapSellRealEstate(cell);
            break;
        case CCommandRules::kMapConstruction:
            commands.OnMapConstruction(cell);
            break;
        case CCommandRules::kMapReinforce:
            commands.OnMapReinforceBuilding(cell);
            break;
        default:
            if (m_mapMode >= CCommandRules::kMapFirstStadium && m_mapMode <= CCommandRules::kMapLastStadium) {
                commands.OnMapHomeField(cell);
            }
            break;
    }
}

CCellPoint CMainFrame::GetCursorCell() {
    CMapDrawWnd* map = GetMapDrawWnd();
    return map ? map->GetCursorCell() : CCellPoint(-1, -1);
}

void CMainFrame::FocusMap() {
    if (CMapDrawWnd* map = GetMapDrawWnd(); map && map->IsWindow()) map->SetFocus();
}

void CMainFrame::MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->MarkCellRect(x1, y1, x2, y2, periodMs);
}

void CMainFrame::FlushChangedCells(int redraw) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->FlushChangedCells(redraw);
}
