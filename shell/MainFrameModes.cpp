// The main frame's title, load errors, status texts and map interaction
// modes.

#include <iterator>

#include "game/VDoc.h"
#include "model/MercavoError.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/StringTable.h"
#include "resources/MercavoIds.h"
#include "shell/FrameSound.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"

namespace {
// The music situation of a player's operations.
constexpr int kOperationsMusic = 3;
}  // namespace

std::string CMainFrame::TitleText(int foundingPhase) {
    std::string title = CStringTable::Get(mercavo_ids::kTitleString);
    if (foundingPhase) title += kFoundingTitle;
    return title;
}

void CMainFrame::OnUpdateFrameTitle() {
    if (IsWindow()) SetWindowText(TitleText(m_foundingPhase));
}

void CMainFrame::SetFoundingPhase(int flag) {
    m_foundingPhase = flag ? 1 : 0;
    OnUpdateFrameTitle();
}

void CMainFrame::ShowLoadError(int code) {
    AfxMessageBox(GetMercavoErrorText(code), MB_OK | MB_ICONEXCLAMATION);
}

UINT CMainFrame::ModeTextId(int mode) {
    if (mode < 0 || mode >= static_cast<int>(std::size(kModeTextIds))) return kModeTextIds[0];
    return kModeTextIds[mode];
}

void CMainFrame::UpdateModeText() {
    SetStatusText(CStringTable::Get(ModeTextId(m_mapMode)));
}

void CMainFrame::SetStatusText(const std::string& text) {
    m_statusBar.SetKeptText(text);
}

void CMainFrame::RefreshAfterOpen() {
    SetMenu(&FrameMenu());
    if (!m_view) return;
    if (!m_view->GetMapDrawWnd().ResetCellTables()) {
        ShowLoadError(eMERCAVO_ERROR_MEMORY);
        PostQuitMessage(1);
        return;
    }
    // The name window takes the size of the new map's longest area name.
    m_view->GetMapDrawWnd().GetNameWnd().FitToNames();
    // The report lines of the game that was open before mean nothing now.
    m_view->GetInfoWnd().GetLog().Clear();
    m_view->SelectInfoCompany(-1);
    m_view->Invalidate();
    m_view->RefreshDirectorLine();
    m_view->GetMapSelectWnd().RepaintMonth();
    m_view->GetMapSelectWnd().ResetButtons();
    EnableInput(0);
}

void CMainFrame::EnableInput(int enable) {
    m_inputEnabled = enable ? 1 : 0;
    EnableMenuBar(m_inputEnabled);
    m_toolBar.EnableWindow(m_inputEnabled);
    if (!m_view) return;
    CLogoMarkWnd& logo = m_view->GetMapSelectWnd().GetLogo();
    if (m_inputEnabled) {
        logo.StartAnimation(kInputLogoPeriodMs);
    } else {
        logo.StopAtLastFrame();
    }
}

// ---------------------------------------------------------------- map modes

void CMainFrame::BeginMapMode(int mode) {
    if (m_inputEnabled) EndMapPick(0);
    m_mapMode = mode;
    UpdateModeText();
}

void CMainFrame::SetMapPickMode(int pick, int cx, int cy) {
    m_pickFlag = pick;
    if (!m_view) return;
    CMapDrawWnd& map = m_view->GetMapDrawWnd();
    map.SetCursorCell(-1, -1, FALSE);
    if (pick) {
        map.SetCursorSize(cx, cy);
    } else {
        map.SetCursorSize(1, 1);
        map.Invalidate();
    }
}

void CMainFrame::EndMapPick(int force) {
    if (!force && !m_inputEnabled) return;
    if (m_view) {
        CMapDrawWnd& map = m_view->GetMapDrawWnd();
        if (m_mapMode == 1) {
            map.FlushChangedCells(1);
        } else if (m_mapMode >= 3 && m_mapMode <= 10) {
            SetMapPickMode(0, 1, 1);
        } else if (m_mapMode == 2) {
            map.Invalidate();
        }
    }
    m_mapMode = 0;
    UpdateModeText();
    PlayMusic(kOperationsMusic);
}

int CMainFrame::SetChangeFlag(int index, int value) {
    if (index < 0 || index >= kChangeFlagCount) return 0;
    int& slot = m_changeFlags[static_cast<size_t>(index)];
    if (slot == value) return 0;
    slot = value;
    return 1;
}

int CMainFrame::GetChangeFlag(int index) const {
    if (index < 0 || index >= kChangeFlagCount) return 0;
    return m_changeFlags[static_cast<size_t>(index)];
}
