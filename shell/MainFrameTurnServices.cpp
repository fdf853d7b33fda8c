// The frame's small services for the turn driver and the start: the
// explanation text over the game window, input together with the view,
// the company's home area, the list of map files, and the routing of the
// wheel and of Esc.

#include <algorithm>
#include <filesystem>

#include "dialogs/ExplainWnd.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/Styles.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"
#include "shell/VView.h"
#include "views/MapBtnFrame.h"
#include "views/MapSelectWnd.h"

namespace {

constexpr int kTextColumns = 80;
constexpr int kTextLines = 15;
constexpr int kEscape = 27;
constexpr int kEstablishedLevel = 2;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool ContainsScreenPoint(const CWnd& wnd, CPoint point) {
    if (!wnd.IsWindow() || !wnd.IsWindowVisible()) return false;
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect.PtInRect(point) != FALSE;
}

}  // namespace

void CMainFrame::EnableInputAndView(int enable) {
    EnableInput(enable);
    if (m_view) m_view->EnableWindow(enable ? TRUE : FALSE);
}

int CMainFrame::ShowOpeningText(int kind) {
    SetPumping(1);
    const CSize cell = CTarvoApp::Get() ? CTarvoApp::Get()->GetCharSize() : CSize(8, 16);
    CRect client;
    GetClientRect(&client);
    const int width = std::min(kTextColumns * cell.cx, client.Width());
    const int height = std::min(kTextLines * cell.cy, client.Height());
    const int left = (client.Width() - width) / 2;
    const int top = (client.Height() - height) / 2;
    if (!m_explainWnd) {
        m_explainWnd = std::make_unique<CExplainWnd>();
        if (CTarvoApp* app = CTarvoApp::Get()) {
            m_explainWnd->SetFonts(app->GetMessageFont2(), app->GetMessageFont(),
                                   app->GetMessageFont2());
        }
        m_explainWnd->CreateEx(0, kPopupClass, "", WS_CHILD, CRect(left, top, left + width, top + height),
                               this, 0);
    }
    m_explainWnd->Clear();
    EnableSystemClose(FALSE);
    // A close asked for during the text stops the phase that showed it.
    const int outerPhase = m_inPhase;
    m_inPhase = 1;
    m_chainStopped = 0;
    if (m_explainWnd->IsWindow()) {
        m_explainWnd->SetWindowPos(nullptr, left, top, width, height,
                                   SWP_NOZORDER | SWP_SHOWWINDOW);
        m_explainWnd->Run(kind);
        m_explainWnd->ShowWindow(SW_HIDE);
    }
    EnableSystemClose(TRUE);
    SetPumping(0);
    const int closed = CheckCloseRequest() || m_chainStopped ? 1 : 0;
    m_inPhase = outerPhase;
    m_chainStopped = closed && outerPhase ? 1 : 0;
    return closed;
}

CExplainWnd* CMainFrame::GetExplainWnd() {
    return m_explainWnd.get();
}

int CMainFrame::ListMapFiles(std::vector<std::string>& list) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(CProgramFolder::Get(), error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && name.size() > 4 &&
            Lower(name.substr(name.size() - 4)) == ".mqm") {
            found.push_back(name);
        }
    }
    std::sort(found.begin(), found.end());
    list.insert(list.end(), found.begin(), found.end());
    return list.empty() ? 0 : 1;
}

void CMainFrame::ShowHomeArea(int company) {
    if (!m_doc || company < 0) return;
    const CEnterprise* e = m_doc->GetEnterprise(company);
    if (!e || e->CountAreasAtLevel(0) != 1) return;
    for (int a = 0; a < m_doc->GetMap().GetAreaCount(); ++a) {
        if (e->GetAreaLevel(a) >= kEstablishedLevel) {
            m_doc->SelectArea(a);
            return;
        }
    }
}

// The wheel goes to the area buttons or the information pages under the
// pointer; Esc ends a map pick. Both then take their default way.
void CMainFrame::RouteInput(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_view) return;
    if (message == WM_MOUSEWHEEL) {
        const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        const short delta = static_cast<short>(HIWORD(wParam));
        CMapBtnFrame& buttons = m_view->GetMapSelectWnd().GetButtonFrame();
        if (ContainsScreenPoint(buttons, point)) buttons.ScrollByWheel(delta);
        m_view->GetInfoWnd().GetPages().ForwardMouseWheel(delta, point.x, point.y);
    } else if (message == WM_KEYDOWN && wParam == kEscape && m_mapMode != 0) {
        EndMapPick(0);
    }
}
