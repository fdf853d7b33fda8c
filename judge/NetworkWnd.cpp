#include "judge/NetworkWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "judge/JudgeNetwork.h"
#include "judge/MainFrame.h"
#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

namespace {

CSize LayoutUnit() {
    CArboApp* app = CArboApp::Get();
    CSize unit = app ? app->GetCharSize() : CSize(8, 16);
    return CSize(std::max<int>(1, unit.cx), std::max<int>(1, unit.cy));
}

}  // namespace

void CNetworkWnd::SetNetwork(CJudgeNetwork* network) {
    m_network = network;
    m_list.SetNetwork(network);
    m_start.SetNetwork(network);
}

int CNetworkWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    const CSize unit = LayoutUnit();
    const CRect small(0, 0, 12 * unit.cx, unit.cy + 6);
    CFont* font = CArboApp::Get() ? CArboApp::Get()->GetStandardFont() : nullptr;
    const DWORD child = WS_CHILD | WS_VISIBLE;
    if (!m_header.CreateEx(0, CArboApp::kFaceClass, "", child, small, this, kHeaderId) ||
        !m_selectAll.Create("Select all", child | BS_PUSHBUTTON, small, this, kSelectAllId) ||
        !m_list.Create(child | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT, small, this,
                       kListId) ||
        !m_edit.Create(child | WS_BORDER | ES_AUTOHSCROLL, small, this, kEditId) ||
        !m_send.Create("Send", child | BS_PUSHBUTTON, small, this, kSendId) ||
        !m_messages.CreateEx(WS_EX_CLIENTEDGE, CArboApp::kFaceClass, "", child | WS_VSCROLL, small,
                             this, kMessagesId) ||
        !m_lamp.CreateEx(0, CArboApp::kFaceClass, "", child, small, this, kLampId) ||
        !m_start.CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD, small, this, kStartWndId)) {
        return -1;
    }
    if (font) {
        for (CWnd* control : {static_cast<CWnd*>(&m_selectAll), static_cast<CWnd*>(&m_list),
                              static_cast<CWnd*>(&m_edit), static_cast<CWnd*>(&m_send)}) {
            control->SetFont(font);
        }
    }
    m_edit.LimitText(CNetworkMessageEdit::kLimit);
    m_list.SetItemHeight(0, static_cast<UINT>(CNetworkListBox::RowHeight()));
    return 0;
}

void CNetworkWnd::ResetWindow() {
    Layout();
    m_header.ClearText();
    m_header.AddText(kHeaderText, 1, -1, true);
    m_header.Refresh();
    RefreshList();
}

void CNetworkWnd::RefreshList() {
    if (!IsWindow()) return;
    if (m_network) SetWindowText(m_network->Title());
    m_list.Refill();
    const bool start = ShowsStart();
    if (start != (m_start.IsWindowVisible() != FALSE)) Layout();
}

void CNetworkWnd::AddMessage(const std::string& text, int colour) {
    if (m_messages.IsWindow()) m_messages.AddMessage(text, false, colour);
}

bool CNetworkWnd::ShowsStart() const {
    return m_network && m_network->IsHost() && m_network->IsNotStarted();
}

int CNetworkWnd::Thickness() const {
    return 2 * GetSystemMetrics(SM_CYDLGFRAME);
}

int CNetworkWnd::GetSplit() const {
    CRect client;
    GetClientRect(&client);
    return static_cast<int>(client.Height() * m_ratio);
}

void CNetworkWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout();
}

void CNetworkWnd::Layout() {
    if (!m_header.IsWindow()) return;
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const CSize unit = LayoutUnit();
    const int b = 12 * unit.cx;
    const int e = unit.cy + 6;
    const int split = GetSplit();
    const int r = std::min(GetSystemMetrics(SM_CYCAPTION), split);
    // START stands in the header row, left of "Select all".
    const bool start = ShowsStart();
    const int headerRight = std::max(0, w - b - (start ? b : 0));
    m_header.MoveWindow(0, 0, headerRight, r, TRUE);
    m_start.MoveWindow(headerRight, 0, start ? b : 0, r, TRUE);
    m_start.ShowWindow(start ? SW_SHOW : SW_HIDE);
    m_selectAll.MoveWindow(w - b, 0, b, r, TRUE);
    m_list.MoveWindow(0, r, w, std::max(0, split - r), TRUE);
    const int y0 = split + Thickness();
    const int lamp = std::max(0, std::min(4 * unit.cx, w - b));
    m_lamp.MoveWindow(0, y0, lamp, e, TRUE);
    m_edit.MoveWindow(lamp, y0, std::max(0, w - b - lamp), e, TRUE);
    m_send.MoveWindow(w - b, y0, b, e, TRUE);
    m_messages.MoveWindow(0, y0 + e, w, std::max(0, h - y0 - e), TRUE);
    Invalidate(TRUE);
}

void CNetworkWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int split = GetSplit();
    dc.FillSolidRect(CRect(0, split, client.Width(), split + Thickness()), GetSysColor(COLOR_BTNFACE));
    dc.FillSolidRect(CRect(0, split, client.Width(), split + 1), GetSysColor(COLOR_3DHILIGHT));
    dc.FillSolidRect(CRect(0, split + Thickness() - 1, client.Width(), split + Thickness()),
                     GetSysColor(COLOR_BTNSHADOW));
}

// ---------------------------------------------------------------- the bar

void CNetworkWnd::OnLButtonDown(UINT, CPoint point) {
    const int split = GetSplit();
    if (point.y < split || point.y >= split + Thickness()) return;
    SetCapture();
    m_dragging = true;
    m_dragStartY = point.y;
    m_dragSplit = split;
    m_dragLineY = split;
    InvertDragLine(m_dragLineY);
}

void CNetworkWnd::OnMouseMove(UINT, CPoint point) {
    if (!m_dragging) return;
    CRect client;
    GetClientRect(&client);
    const int y = std::clamp(m_dragSplit + point.y - m_dragStartY, 0,
                             std::max(0, client.Height() - Thickness()));
    if (y == m_dragLineY) return;
    InvertDragLine(m_dragLineY);
    m_dragLineY = y;
    InvertDragLine(m_dragLineY);
}

void CNetworkWnd::OnLButtonUp(UINT, CPoint) {
    if (!m_dragging) return;
    InvertDragLine(m_dragLineY);
    m_dragging = false;
    ReleaseCapture();
    CRect client;
    GetClientRect(&client);
    if (client.Height() > 0) m_ratio = static_cast<double>(m_dragLineY) / client.Height();
    Layout();
}

void CNetworkWnd::InvertDragLine(int y) {
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&pen);
    const int mode = dc.SetROP2(R2_NOTXORPEN);
    for (int i = 0; i < Thickness(); ++i) {
        dc.MoveTo(0, y + i);
        dc.LineTo(client.Width(), y + i);
    }
    dc.SetROP2(mode);
    dc.SelectObject(old);
}

BOOL CNetworkWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (wnd == this && hitTest == HTCLIENT) {
        SetCursor(CCursor::LoadStandard(IDC_SIZENS));
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

// ---------------------------------------------------------------- commands

BOOL CNetworkWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kSelectAllId:
            SelectAll();
            return TRUE;
        case kSendId:
            SendLine();
            return TRUE;
        default:
            return CWnd::OnCommand(wParam, lParam);
    }
}

void CNetworkWnd::SelectAll() {
    if (!m_network) return;
    const auto& peers = m_network->Peers();
    bool all = true;
    for (int i = 0; i < m_list.GetRowCount() && i < static_cast<int>(peers.size()); ++i)
        if (!peers[static_cast<size_t>(i)].localFlag && !m_list.IsRowSelected(i)) all = false;
    for (int i = 0; i < m_list.GetRowCount() && i < static_cast<int>(peers.size()); ++i)
        m_list.SelectRow(i, !all && !peers[static_cast<size_t>(i)].localFlag);
}

void CNetworkWnd::SendLine() {
    if (!m_network) return;
    const auto& peers = m_network->Peers();
    std::vector<int> recipients;
    const CNetworkData* own = nullptr;
    for (size_t i = 0; i < peers.size(); ++i) {
        if (peers[i].localFlag) {
            own = &peers[i];
        } else if (!m_list.IsRowSelected(static_cast<int>(i))) {
            recipients.push_back(peers[i].playerNumber);
        }
    }
    if (recipients.empty()) return;
    const std::string text = m_edit.GetWindowText();
    if (text.empty()) {
        MessageBeep(0);
        return;
    }
    const std::string line = (own ? own->name : std::string()) + ":" + text;
    AddMessage(line, own ? own->colour : -1);
    // Without a row of its own, the line goes to everybody.
    m_network->SendChat(own ? recipients : std::vector<int>{}, line);
    m_edit.SetWindowText("");
}

}  // namespace judge
