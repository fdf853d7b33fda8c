// What the rules ask of the frame while they run: the map window's areas,
// marks and cursor, and the structures that wore out.

#include "game/HeadlessFrameService.h"
#include "game/VDoc.h"
#include "model/MapDoc.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"
#include "views/MapDrawWnd.h"

// The structures go as in a game without windows, so that both run the
// same month; then the map is drawn again.
void CMainFrame::HandleLostStructures(CMapDoc& map, int area,
                                      const std::vector<CCellPoint>& anchors) {
    const std::string line = CHeadlessFrameService::RemoveLostStructures(map, area, anchors);
    if (line.empty()) return;
    AddInfoMessage(line);
    if (area == GetShownArea()) RebuildMap();
}

bool CMainFrame::SelectAreaButton(int area) {
    if (!m_view || !m_doc || area < 0 || area >= m_doc->GetMap().GetAreaCount()) return false;
    m_view->ShowArea(area);
    return true;
}

void CMainFrame::MarkCellRect(int x1, int y1, int x2, int y2, int periodMs) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->MarkCellRect(x1, y1, x2, y2, periodMs);
}

void CMainFrame::FlushChangedCells(int redraw) {
    if (CMapDrawWnd* map = GetMapDrawWnd()) map->FlushChangedCells(redraw);
}

CCellPoint CMainFrame::GetCursorCell() {
    CMapDrawWnd* map = GetMapDrawWnd();
    return map ? map->GetCursorCell() : CCellPoint{-1, -1};
}

void CMainFrame::FocusMap() {
    CMapDrawWnd* map = GetMapDrawWnd();
    if (map && map->IsWindow()) map->SetFocus();
}
