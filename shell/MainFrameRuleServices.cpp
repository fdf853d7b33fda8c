// What the rules ask of the frame while they run: the area the map shows,
// and the structures that wore out.

#include "game/HeadlessFrameService.h"
#include "game/VDoc.h"
#include "model/MapDoc.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"
#include "views/MapDrawWnd.h"

// The structures go as in a game without windows, so that both run the
// same month: the document reports them (as host to every player first)
// and shows them; then the map is drawn again.
void CMainFrame::HandleLostStructures(CMapDoc& map, int area,
                                      const std::vector<CCellPoint>& anchors) {
    if (m_doc) {
        m_doc->ReportBuildingBroke(area, anchors);
    } else {
        const std::string line = CHeadlessFrameService::RemoveLostStructures(map, area, anchors);
        if (line.empty()) return;
        AddInfoMessage(line);
    }
    if (area == GetShownArea()) RebuildMap();
}

bool CMainFrame::SelectAreaButton(int area) {
    if (!m_view || !m_doc || area < 0 || area >= m_doc->GetMap().GetAreaCount()) return false;
    m_view->GetMapSelectWnd().GetButtonFrame().SelectArea(area, TRUE);
    return true;
}
