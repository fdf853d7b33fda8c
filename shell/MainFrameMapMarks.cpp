// The frame's side of the map window's marks and effects, which game code
// asks for through the frame service, and of the map's context menu.

#include "game/OrderCommands.h"
#include "game/VDoc.h"
#include "model/MapData.h"
#include "platform/ui/MessageBox.h"
#include "shell/MainFrame.h"
#include "views/MapDrawWnd.h"

void CMainFrame::MarkCellList(const std::vector<CCellPoint>& cells, int periodMs) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->MarkCellList(cells, periodMs);
}

void CMainFrame::AddCellMarks(const std::vector<CCellPoint>& cells) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->AddCellMarks(cells, CMapDrawWnd::kBlinkMs);
}

void CMainFrame::ShowCellChanges(const std::vector<CCellPoint>& cells, int count) {
    if (CMapDrawWnd* map = GetMapDrawWnd())
        map->ShowCellChanges(cells, CMapDrawWnd::kBlinkMs, count);
}

void CMainFrame::WaitCellChanges(int count) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->WaitCellChanges(count);
}

int CMainFrame::MarkCompanyCells(int company) {
    CMapDrawWnd* map = GetMapDrawWnd();
    return map ? map->MarkCompanyCells(company) : 0;
}

void CMainFrame::ShakeMap(int strength) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->ShakeMap(strength);
}

void CMainFrame::DoAreaPortfolio() {
    if (m_doc) m_doc->GetCommands().DoAreaPortfolio();
}

void CMainFrame::ShowAreaExplanation() {
    const CMapData* area = m_doc ? m_doc->GetArea(GetShownArea()) : nullptr;
    if (!area) return;
    MessageBox(this, area->GetExplanation(), CMessageBox::GetApplicationName(), MB_OK);
}
