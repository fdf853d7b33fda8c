#include "platform/ui/ToolBar.h"

#include <algorithm>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kSeparator = 8;
constexpr int kMargin = 3;

}  // namespace

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() {
    if (IsWindow()) DestroyWindow();
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    if (!CreateBar(parent, style, id)) return FALSE;
    m_tips = std::make_unique<CToolTipCtrl>();
    if (!m_tips->Create(this)) m_tips.reset();
    return TRUE;
}

void CToolBar::SetSizes(CSize button, CSize image) {
    m_buttonSize = button;
    m_imageSize = image;
    if (auto* frame = dynamic_cast<CFrameWnd*>(GetParent())) frame->RecalcLayout();
    Invalidate();
}

void CToolBar::SetBitmap(const CBitmap* normal, const CBitmap* disabled, const CBitmap* checked) {
    m_normal = normal;
    m_disabled = disabled;
    m_checked = checked;
    Invalidate();
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
    if (count < 0 || (count > 0 && !ids)) return FALSE;
    m_buttons.clear();
    int image = 0;
    for (int i = 0; i < count; ++i) {
        Button b;
        b.id = ids[i];
        if (b.id == ID_SEPARATOR) {
            b.style = TBBS_SEPARATOR;
        } else {
            b.image = image++;
        }
        m_buttons.push_back(b);
    }
    if (m_tips) {
        for (int i = 0; i < GetCount(); ++i) {
            if (m_buttons[static_cast<size_t>(i)].style & TBBS_SEPARATOR) continue;
            CRect r;
            GetItemRect(i, &r);
            const UINT id = m_buttons[static_cast<size_t>(i)].id;
            m_tips->DelTool(this, id);
            m_tips->AddTool(this, CStringTable::ToolTip(id), &r, id);
        }
    }
    Invalidate();
    return TRUE;
}

int CToolBar::GetCount() const {
    return static_cast<int>(m_buttons.size());
}

UINT CToolBar::GetItemID(int index) const {
    if (index < 0 || index >= GetCount()) return 0;
    return m_buttons[static_cast<size_t>(index)].id;
}

int CToolBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_buttons[static_cast<size_t>(i)].id == id && id != ID_SEPARATOR) return i;
    }
    return -1;
}

void CToolBar::GetItemRect(int index, RECT* rect) const {
    if (!rect) return;
    int x = kMargin;
    for (int i = 0; i < GetCount(); ++i) {
        const bool separator = (m_buttons[static_cast<size_t>(i)].style & TBBS_SEPARATOR) != 0;
        const int w = separator ? kSeparator : m_buttonSize.cx;
        if (i == index) {
            *rect = CRect(x, kMargin, x + w, kMargin + m_buttonSize.cy);
            return;
        }
        x += w;
    }
    *rect = CRect();
}

UINT CToolBar::GetButtonStyle(int index) const {
    if (index < 0 || index >= GetCount()) return 0;
    return m_buttons[static_cast<size_t>(index)].style;
}

void CToolBar::SetButtonStyle(int index, UINT style) {
    if (index < 0 || index >= GetCount()) return;
    UINT& current = m_buttons[static_cast<size_t>(index)].style;
    if (current == style) return;
    current = style;
    CRect r;
    GetItemRect(index, &r);
    InvalidateRect(&r);
}

void CToolBar::EnableButton(UINT id, BOOL enable) {
    const int index = CommandToIndex(id);
    if (index < 0) return;
    const UINT style = GetButtonStyle(index);
    SetButtonStyle(index, enable ? (style & ~TBBS_DISABLED) : (style | TBBS_DISABLED));
}

void CToolBar::CheckButton(UINT id, int check) {
    const int index = CommandToIndex(id);
    if (index < 0) return;
    const UINT style = GetButtonStyle(index);
    SetButtonStyle(index, check ? (style | TBBS_CHECKED) : (style & ~TBBS_CHECKED));
}

BOOL CToolBar::IsButtonEnabled(UINT id) const {
    const int index = CommandToIndex(id);
    return index >= 0 && !(GetButtonStyle(index) & TBBS_DISABLED) ? TRUE : FALSE;
}

int CToolBar::HitTest(CPoint point) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (GetButtonStyle(i) & TBBS_SEPARATOR) continue;
        CRect r;
        GetItemRect(i, &r);
        if (r.PtInRect(point)) return i;
    }
    return -1;
}

CSize CToolBar::CalcFixedLayout(int width) const {
    return CSize(width, m_buttonSize.cy + 2 * kMargin + 1);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* frame) {
    for (int i = 0; i < GetCount(); ++i) {
        const Button& b = m_buttons[static_cast<size_t>(i)];
        if (b.style & TBBS_SEPARATOR) continue;
        CCmdUI ui;
        ui.m_nID = b.id;
        ui.m_nIndex = static_cast<UINT>(i);
        ui.m_pOther = this;
        frame->UpdateCommand(&ui);
    }
}

void CToolBar::Relay(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_tips || !(m_barStyle & CBRS_TOOLTIPS)) return;
    MSG msg;
    msg.hwnd = this;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    m_tips->RelayEvent(&msg);
}

void CToolBar::SetHot(int index) {
    if (index == m_hot) return;
    m_hot = index;
    ShowPrompt(index >= 0 ? GetItemID(index) : 0);
}

void CToolBar::OnMouseMove(UINT flags, CPoint point) {
    Relay(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y));
    CRect client;
    GetClientRect(&client);
    SetHot(client.PtInRect(point) ? HitTest(point) : -1);
}

void CToolBar::OnLButtonDown(UINT flags, CPoint point) {
    Relay(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
    const int index = HitTest(point);
    if (index < 0 || (GetButtonStyle(index) & TBBS_DISABLED) || !IsWindowEnabled()) return;
    m_pressed = index;
    SetButtonStyle(index, GetButtonStyle(index) | TBBS_PRESSED);
    SetCapture();
}

void CToolBar::OnLButtonUp(UINT flags, CPoint point) {
    Relay(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y));
    if (m_pressed < 0) return;
    const int index = m_pressed;
    m_pressed = -1;
    ReleaseCapture();
    SetButtonStyle(index, GetButtonStyle(index) & ~TBBS_PRESSED);
    if (HitTest(point) != index) return;
    const UINT id = GetItemID(index);
    auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
    if (frame && !frame->IsCommandEnabled(id)) return;
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE) {
        const LRESULT r = CControlBar::WindowProc(message, wParam, lParam);
        Invalidate();
        return r;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

BOOL CToolBar::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CToolBar::PaintButton(CDC& dc, int index) {
    const Button& b = m_buttons[static_cast<size_t>(index)];
    CRect r;
    GetItemRect(index, &r);
    if (b.style & TBBS_SEPARATOR) {
        const int x = r.left + r.Width() / 2;
        dc.FillSolidRect(x - 1, r.top + 2, 1, r.Height() - 4, GetSysColor(COLOR_BTNSHADOW));
        dc.FillSolidRect(x, r.top + 2, 1, r.Height() - 4, GetSysColor(COLOR_BTNHIGHLIGHT));
        return;
    }
    const bool enabled = IsWindowEnabled() && !(b.style & TBBS_DISABLED);
    const bool down = (b.style & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    CControlSupport::ButtonFace(dc, r, down, false);
    const CBitmap* strip = m_normal;
    if (!enabled && m_disabled) strip = m_disabled;
    if (enabled && (b.style & TBBS_CHECKED) && m_checked) strip = m_checked;
    if (!strip) return;
    const int x = r.left + (r.Width() - m_imageSize.cx) / 2 + (down ? 1 : 0);
    const int y = r.top + (r.Height() - m_imageSize.cy) / 2 + (down ? 1 : 0);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap* old = mem.SelectObject(const_cast<CBitmap*>(strip));
    dc.BitBlt(x, y, m_imageSize.cx, m_imageSize.cy, &mem, b.image * m_imageSize.cx, 0, SRCCOPY);
    mem.SelectObject(old);
    if (!enabled && !m_disabled) {
        // Without a strip of its own a disabled button is veiled: every
        // other pixel takes the face colour.
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        for (int py = 0; py < m_imageSize.cy; ++py) {
            for (int px = (py & 1); px < m_imageSize.cx; px += 2) dc.SetPixel(x + px, y + py, face);
        }
    }
}

void CToolBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client.left, client.bottom - 1, client.Width(), 1,
                     GetSysColor(COLOR_BTNSHADOW));
    for (int i = 0; i < GetCount(); ++i) PaintButton(dc, i);
}
