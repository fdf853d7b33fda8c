#include "views/SelectInfoWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/AppFonts.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/BlockMessages.h"
#include "views/InfoBtn.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/OwnerRow.h"

namespace {

int g_screenHeight = 0;

int ScreenHeight() {
    return g_screenHeight > 0 ? g_screenHeight : GetSystemMetrics(SM_CYSCREEN);
}

CFont* MessageFont() {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    return fonts ? fonts->GetMessageFont() : nullptr;
}

}  // namespace

CSelectInfoWnd::CSelectInfoWnd(CInfoDrawFrameWnd& frame) : m_frame(frame) {}

// The buttons go before the window that holds them.
CSelectInfoWnd::~CSelectInfoWnd() {
    if (IsWindow()) DestroyWindow();
}

void CSelectInfoWnd::SetScreenHeight(int pixels) {
    g_screenHeight = pixels;
}

int CSelectInfoWnd::EntryCount() {
    CVDoc* doc = OwnerRow::Document();
    return (doc ? doc->GetCompanyCount() : 0) + 1;
}

CInfoBtn* CSelectInfoWnd::GetButton(int position) {
    if (position < 0 || position >= GetButtonCount()) return nullptr;
    return m_buttons[static_cast<size_t>(position)].get();
}

bool CSelectInfoWnd::HasScrollBar() const {
    return m_scrollBar.IsWindow() && m_scrollBar.IsWindowVisible();
}

// ---------------------------------------------------------------- window

int CSelectInfoWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    const int ch = OwnerRow::LayoutSize().cy;
    m_rowHeight = std::max(std::min(OwnerRow::MarkCell().cy + 6, 3 * ch / 2), 1);
    const int count = ScreenHeight() / m_rowHeight + 1;
    const CRect empty(0, 0, 0, 0);
    for (int i = 0; i < count; ++i) {
        auto button = std::make_unique<CInfoBtn>(*this);
        if (!button->Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, empty, this,
                            kFirstButtonId + static_cast<UINT>(i))) {
            m_buttons.clear();
            return -1;
        }
        button->SetIndex(i);
        button->SetFont(MessageFont(), FALSE);
        m_buttons.push_back(std::move(button));
    }
    if (!m_scrollBar.Create(WS_CHILD | WS_VISIBLE | WS_GROUP | SBS_VERT | SBS_LEFTALIGN, empty,
                            this, kScrollBarId)) {
        m_buttons.clear();
        return -1;
    }
    return 0;
}

void CSelectInfoWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout(cx, cy);
}

LRESULT CSelectInfoWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_BLOCK_SCROLLED) {
        SetFirst(static_cast<int>(wParam), TRUE);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CSelectInfoWnd::ResetSelection() {
    m_first = 0;
    Layout();
}

void CSelectInfoWnd::Layout(int cx, int cy) {
    if (!IsWindow() || m_buttons.empty()) return;
    if (cx < 0 || cy < 0) {
        CRect client;
        GetClientRect(&client);
        cx = client.Width();
        cy = client.Height();
    }
    const int entries = EntryCount();
    const int buttons = GetButtonCount();
    // No more rows than buttons, however tall the window is.
    const int rows = std::min(cy / m_rowHeight, buttons);
    int barWidth = 0;
    if (entries <= rows) {
        SetFirst(0, TRUE);
        m_visibleRows = entries;
        m_scrollBar.ShowWindow(SW_HIDE);
    } else {
        barWidth = GetSystemMetrics(SM_CXVSCROLL);
        m_scrollBar.SetWindowPos(nullptr, cx - barWidth, 0, barWidth, cy, SWP_NOZORDER);
        m_scrollBar.ShowWindow(SW_SHOW);
        m_visibleRows = std::max(rows, 1);
        SCROLLINFO info{};
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = entries - 1;
        info.nPage = static_cast<UINT>(m_visibleRows);
        info.nPos = 0;
        m_scrollBar.SetScrollInfo(&info, TRUE);
        SetFirst(0, TRUE);
    }
    const int shown = std::min(entries, buttons);
    for (int i = 0; i < buttons; ++i) {
        CInfoBtn& button = *m_buttons[static_cast<size_t>(i)];
        if (i + m_first >= shown) {
            button.ShowWindow(SW_HIDE);
            continue;
        }
        button.SetWindowPos(nullptr, 0, i * m_rowHeight, std::max(cx - barWidth, 0), m_rowHeight,
                            SWP_NOZORDER);
        button.ShowWindow(SW_SHOWNOACTIVATE);
    }
    SelectAndShow(m_selected);
}

// ---------------------------------------------------------------- scrolling

void CSelectInfoWnd::SetFirst(int first, BOOL redraw) {
    if (first == m_first && !redraw) return;
    if (first == -1) first = m_first;
    m_first = first;
    if (m_scrollBar.IsWindow()) m_scrollBar.SetScrollPos(first, redraw);
    // The buttons are about to show other entries.
    CWnd* focus = GetFocus();
    for (const auto& button : m_buttons) {
        if (focus != button.get()) continue;
        IBlockHost* host = IBlockHost::Get();
        CWnd* main = host ? host->GetMainWindow() : nullptr;
        (main && main->IsWindow() ? main : static_cast<CWnd*>(this))->SetFocus();
        break;
    }
    const int last = EntryCount() - 1;
    m_firstShown = m_lastShown = -1;
    for (int i = 0; i < GetButtonCount(); ++i) {
        CInfoBtn& button = *m_buttons[static_cast<size_t>(i)];
        const int index = first + i;
        if (index < 0 || index > last) {
            button.SetIndex(-1);
            if (button.IsWindow()) button.ShowWindow(SW_HIDE);
            continue;
        }
        button.SetIndex(index);
        if (button.IsWindow()) {
            button.ShowWindow(SW_SHOWNOACTIVATE);
            if (redraw) RepaintButton(&button);
        }
        if (m_firstShown < 0) m_firstShown = index;
        m_lastShown = index;
    }
}

void CSelectInfoWnd::OnWheel(int delta) {
    if (!HasScrollBar()) return;
    const int most = std::max(EntryCount() - m_visibleRows, 0);
    SetFirst(std::clamp(m_firstShown - delta / 120, 0, most), TRUE);
}

void CSelectInfoWnd::SelectAndShow(int index) {
    const int first = index <= m_first + m_visibleRows - 1 ? 0 : index - m_visibleRows + 1;
    SetFirst(first, TRUE);
    Select(index, TRUE);
}

// ---------------------------------------------------------------- selection and focus

void CSelectInfoWnd::RepaintButton(CInfoBtn* button) {
    if (!button || !button->IsWindow()) return;
    button->Invalidate(TRUE);
    button->UpdateWindow();
}

CInfoBtn* CSelectInfoWnd::ButtonOf(int index) {
    if (index < m_firstShown || index > m_lastShown) return nullptr;
    return GetButton(index - m_first);
}

void CSelectInfoWnd::Select(int index, BOOL redraw) {
    if (index == m_selected) return;
    const int old = m_selected;
    m_selected = index;
    if (redraw) {
        RepaintButton(ButtonOf(old));
        RepaintButton(ButtonOf(index));
    }
    m_frame.ShowCompany(index - 1, TRUE);
    m_frame.RefreshPages();
    m_frame.InvalidateTitle();
}

void CSelectInfoWnd::MoveFocus(int target) {
    const int last = EntryCount() - 1;
    if (target < 0) target = last;
    if (target > last) target = 0;
    if (target < m_first) {
        SetFirst(std::max(std::min(target, last - m_visibleRows + 1), 0), TRUE);
    } else if (target >= m_first + m_visibleRows) {
        SetFirst(std::max(target - m_visibleRows + 1, 0), TRUE);
    }
    if (target < m_first) return;
    if (CInfoBtn* button = GetButton(target - m_first)) button->SetFocus();
}

void CSelectInfoWnd::FocusSelected() {
    if (CInfoBtn* button = ButtonOf(m_selected)) button->SetFocus();
}

void CSelectInfoWnd::FocusTabs() {
    CWnd& tabs = m_frame.GetTabCtrl();
    if (tabs.IsWindow()) tabs.SetFocus();
}
