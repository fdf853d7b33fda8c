#include "platform/ui/FrameWnd.h"

#include <algorithm>

#include "platform/core/Profile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MainWindow.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/detail/MenuBarWnd.h"
#include "platform/ui/detail/MenuTracker.h"
#include "platform/ui/detail/ScrollBars.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

constexpr UINT kMenuBarId = 0xE81F;

bool IsGrey(UINT flags) {
    return flags != 0xFFFFFFFFu && (flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

}  // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
    if (IsWindow()) DestroyWindow();
}

BOOL CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect,
                       CWnd* parent) {
    if (!CreateEx(0, className, title, style & ~WS_VISIBLE, rect, parent, 0)) return FALSE;
    if (!CMainWindow::Get()) CMainWindow::Set(this);
    m_menuBar = std::make_unique<CMenuBarWnd>(this);
    if (!m_menuBar->CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 0, 0), this, kMenuBarId)) {
        m_menuBar.reset();
    }
    SetMenu(m_menu);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return IsWindow();
}

BOOL CFrameWnd::LoadFrame(UINT id, DWORD style, CWnd* parent) {
    if (m_ownMenu.LoadMenu(id)) m_menu = &m_ownMenu;
    if (const CAcceleratorTable* table = CAcceleratorTable::Find(id)) m_accel = table;
    const std::string title = CStringTable::Prompt(id);
    return Create(nullptr, title.c_str(), style, CRect(0, 0, 640, 480), parent);
}

BOOL CFrameWnd::SetMenu(CMenu* menu) {
    m_menu = menu;
    if (!IsWindow()) return TRUE;
    Impl& impl = PlatformImpl();
    const int height = menu && m_menuBar ? CMenuBarWnd::Height() : 0;
    if (impl.menuBarHeight != height) {
        CRect before;
        GetClientRect(&before);
        impl.menuBarHeight = height;
        if (impl.widget) CScrollBars::AfterGeometryChange(this, before.Size(), impl.widget->pos());
    }
    RecalcLayout();
    DrawMenuBar();
    return TRUE;
}

void CFrameWnd::DrawMenuBar() {
    if (m_menuBar && m_menuBar->IsWindow()) m_menuBar->Invalidate();
}

void CFrameWnd::RecalcLayout() {
    if (!IsWindow()) return;
    CRect client;
    GetClientRect(&client);
    if (m_menuBar && m_menuBar->IsWindow()) {
        const int h = PlatformImpl().menuBarHeight;
        m_menuBar->MoveWindow(0, -h, client.Width(), h);
        m_menuBar->ShowWindow(h > 0 ? SW_SHOWNA : SW_HIDE);
    }
    CRect room = client;
    for (CWnd* child : std::vector<CWnd*>(PlatformImpl().children)) {
        auto* bar = dynamic_cast<CControlBar*>(child);
        if (!bar || !(bar->GetStyle() & WS_VISIBLE)) continue;
        const int h = bar->CalcFixedLayout(client.Width()).cy;
        if (bar->IsAtBottom()) {
            bar->MoveWindow(room.left, room.bottom - h, room.Width(), h);
            room.bottom -= h;
        } else {
            bar->MoveWindow(room.left, room.top, room.Width(), h);
            room.top += h;
        }
    }
    if (CWnd* view = GetView()) view->MoveWindow(room);
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL) {
    if (!bar || !bar->IsWindow()) return;
    bar->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

CStatusBar* CFrameWnd::GetStatusBar() const {
    for (CWnd* child : PlatformImpl().children) {
        if (auto* bar = dynamic_cast<CStatusBar*>(child)) return bar;
    }
    return nullptr;
}

CWnd* CFrameWnd::GetView() const {
    return GetDlgItem(static_cast<int>(AFX_IDW_PANE_FIRST));
}

namespace {

std::string BarSection(const std::string& section, const CControlBar* bar) {
    return section + "-Bar" + std::to_string(bar->GetDlgCtrlID());
}

}  // namespace

void CFrameWnd::SaveBarState(CProfile& profile, const std::string& section) const {
    for (CWnd* child : PlatformImpl().children) {
        if (const auto* bar = dynamic_cast<const CControlBar*>(child)) {
            profile.WriteProfileInt(BarSection(section, bar), "Visible",
                                    (bar->GetStyle() & WS_VISIBLE) ? 1 : 0);
        }
    }
}

void CFrameWnd::LoadBarState(const CProfile& profile, const std::string& section) {
    for (CWnd* child : std::vector<CWnd*>(PlatformImpl().children)) {
        auto* bar = dynamic_cast<CControlBar*>(child);
        if (!bar) continue;
        const int visible = profile.GetProfileInt(BarSection(section, bar), "Visible", -1);
        if (visible == 0 || visible == 1) bar->ShowWindow(visible ? SW_SHOWNA : SW_HIDE);
    }
    RecalcLayout();
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CFrameWnd::OnDestroy() {
    if (CMainWindow::Get() == this) CMainWindow::Set(nullptr);
    CWnd::OnDestroy();
}

// ---- Update rules and commands ---------------------------------------------

void CFrameWnd::UpdateCommand(CCmdUI* ui) {
    if (!ui) return;
    ui->handled = false;
    OnUpdateCommand(ui);
    if (!ui->handled) {
        ui->Enable(TRUE);
        ui->handled = false;
    }
}

bool CFrameWnd::IsCommandEnabled(UINT id) {
    CCmdUI ui;
    ui.m_nID = id;
    OnUpdateCommand(&ui);
    bool enabled = !ui.handled || ui.enabled;
    if (!m_menu) return enabled;
    int position = -1;
    CMenu* holder = m_menu->FindCommand(id, &position);
    if (!holder) return enabled;
    if (!ui.handled)
        enabled = !IsGrey(holder->GetMenuState(static_cast<UINT>(position), MF_BYPOSITION));
    // A command in a greyed pop-up of the menu bar does not run either.
    for (int i = 0; i < m_menu->GetMenuItemCount(); ++i) {
        CMenu* sub = m_menu->GetSubMenu(i);
        if (sub && sub->FindCommand(id) &&
            IsGrey(m_menu->GetMenuState(static_cast<UINT>(i), MF_BYPOSITION))) {
            return false;
        }
    }
    return enabled;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    for (CWnd* child : std::vector<CWnd*>(PlatformImpl().children)) {
        if (!CWindowList::IsAlive(child)) continue;
        auto* bar = dynamic_cast<CControlBar*>(child);
        if (bar && (bar->GetStyle() & WS_VISIBLE)) bar->OnUpdateCmdUI(this);
    }
}

void CFrameWnd::InitMenuPopup(CMenu* popup) {
    if (!popup) return;
    if (m_recent) m_recent->UpdateMenu(popup);
    for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
        const CMenu::Item& item = popup->Items()[static_cast<size_t>(i)];
        if (item.popup || (item.flags & MF_SEPARATOR)) continue;
        // The recent-file items were set by the list itself.
        if (m_recent && item.id >= m_recent->FirstCommand() &&
            item.id < m_recent->FirstCommand() + static_cast<UINT>(m_recent->GetSize())) {
            continue;
        }
        CCmdUI ui;
        ui.m_nID = item.id;
        ui.m_nIndex = static_cast<UINT>(i);
        ui.m_pMenu = popup;
        UpdateCommand(&ui);
    }
}

std::string CFrameWnd::GetIdleText() const {
    const std::string idle = CStringTable::Prompt(AFX_IDS_IDLEMESSAGE);
    return idle.empty() ? "Ready" : idle;
}

void CFrameWnd::SetMessageText(const std::string& text) {
    if (CStatusBar* bar = GetStatusBar()) bar->SetWindowText(text);
}

void CFrameWnd::SetMessageText(UINT id) {
    SetMessageText(id == 0 || id == AFX_IDS_IDLEMESSAGE ? GetIdleText() : CStringTable::Prompt(id));
}

void CFrameWnd::MenuSelect(UINT id, UINT flags, bool closed) {
    if (closed) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    } else if (flags & (MF_POPUP | MF_SEPARATOR)) {
        SetMessageText(std::string());
    } else {
        SetMessageText(CStringTable::Prompt(id));
    }
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITMENUPOPUP:
            InitMenuPopup(reinterpret_cast<CMenu*>(wParam));
            return 0;
        case WM_MENUSELECT:
            MenuSelect(LOWORD(wParam), HIWORD(wParam), HIWORD(wParam) == 0xFFFF && lParam == 0);
            return 0;
        case WM_SETMESSAGESTRING:
            if (lParam) {
                SetMessageText(std::string(reinterpret_cast<const char*>(lParam)));
            } else {
                SetMessageText(static_cast<UINT>(wParam));
            }
            return 0;
        case WM_IDLEUPDATECMDUI:
            OnIdleUpdateCmdUI();
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN || !m_accel || !IsWindowEnabled()) return FALSE;
    const UINT cmd = m_accel->Find(static_cast<UINT>(msg->wParam), GetKeyState(VK_SHIFT) < 0,
                                   GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
    if (cmd == 0) return FALSE;
    if (IsCommandEnabled(cmd)) SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(cmd), 1), 0);
    return TRUE;
}

void CFrameWnd::TrackMenuBar(int index) {
    while (m_menu && m_menuBar && index >= 0 && index < m_menu->GetMenuItemCount()) {
        const CMenu::Item& item = m_menu->Items()[static_cast<size_t>(index)];
        if (IsGrey(item.flags)) return;
        if (!item.popup) {
            if (IsCommandEnabled(item.id))
                PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(item.id), 0), 0);
            return;
        }
        CMenu* popup = item.popup.get();
        m_menuBar->SetOpen(index);
        SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), index);
        CRect r = m_menuBar->ItemRect(index);
        m_menuBar->ClientToScreen(&r);
        const CMenuTracker::Result result =
            CMenuTracker::Track(popup, CPoint(r.left, r.bottom), this, 0);
        if (!IsWindow()) return;
        m_menuBar->SetOpen(-1);
        if (result.command != 0) {
            PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(result.command), 0), 0);
            return;
        }
        if (result.move == 0) return;
        const int count = m_menu->GetMenuItemCount();
        int next = index;
        for (int k = 0; k < count; ++k) {
            next = (next + result.move + count) % count;
            const CMenu::Item& candidate = m_menu->Items()[static_cast<size_t>(next)];
            if (candidate.popup && !IsGrey(candidate.flags)) break;
        }
        if (next == index) return;
        index = next;
    }
}
