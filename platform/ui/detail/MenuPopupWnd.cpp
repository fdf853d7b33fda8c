#include "platform/ui/detail/MenuPopupWnd.h"

#include <algorithm>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kPad = 20;

std::string Label(const std::string& text) {
    return CControlSupport::StripMnemonic(text.substr(0, text.find('\t')));
}

std::string KeyText(const std::string& text) {
    const size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

}  // namespace

CMenuPopupWnd::CMenuPopupWnd(CMenu* menu, CWnd* owner, bool rightButton)
    : m_menu(menu), m_owner(owner), m_rightButton(rightButton) {}

BOOL CMenuPopupWnd::Open(CPoint screen, UINT flags) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const int line = tm.tmHeight + 6;
    int y = 2, labelWidth = 0, keyWidth = 0;
    for (const CMenu::Item& item : m_menu->Items()) {
        m_tops.push_back(y);
        if (item.flags & MF_SEPARATOR) {
            y += kSeparatorHeight;
            continue;
        }
        labelWidth = std::max<int>(labelWidth, dc.GetTextExtent(Label(item.text)).cx);
        keyWidth = std::max<int>(keyWidth, dc.GetTextExtent(KeyText(item.text)).cx);
        y += line;
    }
    m_tops.push_back(y);
    m_width = kPad + labelWidth + (keyWidth ? kPad + keyWidth : 0) + kPad;
    const int height = y + 2;
    if (flags & TPM_RIGHTALIGN) screen.x -= m_width;
    if (flags & TPM_CENTERALIGN) screen.x -= m_width / 2;
    // Keep the menu on the screen.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    screen.x = std::max(0, std::min<int>(screen.x, cx - m_width));
    screen.y = std::max(0, std::min<int>(screen.y, cy - height));
    const CRect rect(screen, CSize(m_width, height));
    if (!CreateEx(WS_EX_TOPMOST, nullptr, "", WS_POPUP | WS_BORDER, rect, m_owner, 0)) return FALSE;
    ShowWindow(SW_SHOWNA);
    SetCapture();
    return TRUE;
}

CRect CMenuPopupWnd::ItemRect(int index) const {
    if (index < 0 || index + 1 >= static_cast<int>(m_tops.size())) return CRect();
    CRect client;
    GetClientRect(&client);
    return CRect(1, m_tops[static_cast<size_t>(index)], client.right - 1,
                 m_tops[static_cast<size_t>(index) + 1]);
}

bool CMenuPopupWnd::Selectable(int index) const {
    if (index < 0 || index >= m_menu->GetMenuItemCount()) return false;
    return !(m_menu->Items()[static_cast<size_t>(index)].flags & MF_SEPARATOR);
}

void CMenuPopupWnd::SetHot(int index) {
    if (index == m_hot) return;
    m_hot = index;
    Invalidate();
    if (!m_owner || !m_owner->IsWindow()) return;
    UINT id = 0, flags = 0xFFFF;
    if (index >= 0) {
        const CMenu::Item& item = m_menu->Items()[static_cast<size_t>(index)];
        id = item.popup ? static_cast<UINT>(index) : item.id;
        flags = item.flags & 0xFFFF;
    }
    m_owner->SendMessage(WM_MENUSELECT, MAKEWPARAM(static_cast<int>(id), static_cast<int>(flags)),
                         reinterpret_cast<LPARAM>(m_menu));
}

int CMenuPopupWnd::ItemAt(CPoint point) const {
    for (int i = 0; i < m_menu->GetMenuItemCount(); ++i) {
        if (ItemRect(i).PtInRect(point)) return Selectable(i) ? i : -1;
    }
    return -1;
}

void CMenuPopupWnd::OnMouseMove(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) SetHot(ItemAt(point));
}

void CMenuPopupWnd::OnLButtonDown(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) m_action = Action::Cancel;
}

void CMenuPopupWnd::OnRButtonDown(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void CMenuPopupWnd::Release(CPoint point) {
    const int item = ItemAt(point);
    if (item < 0) return;
    SetHot(item);
    m_action = Action::Choose;
}

void CMenuPopupWnd::OnLButtonUp(UINT, CPoint point) {
    Release(point);
}

void CMenuPopupWnd::OnRButtonUp(UINT, CPoint point) {
    if (m_rightButton) Release(point);
}

void CMenuPopupWnd::Key(UINT vk) {
    const int count = m_menu->GetMenuItemCount();
    switch (vk) {
        case VK_UP:
        case VK_DOWN: {
            const int step = vk == VK_UP ? -1 : 1;
            int i = m_hot;
            for (int k = 0; k < count; ++k) {
                i = ((i < 0 && step < 0 ? count : i) + step + count) % count;
                if (Selectable(i)) {
                    SetHot(i);
                    break;
                }
            }
            break;
        }
        case VK_RETURN:
        case VK_SPACE:
            if (Selectable(m_hot)) m_action = Action::Choose;
            break;
        case VK_ESCAPE:
            m_action = Action::Cancel;
            break;
        case VK_LEFT:
            m_action = Action::Left;
            break;
        case VK_RIGHT:
            m_action = Action::Right;
            break;
        default:
            break;
    }
}

BOOL CMenuPopupWnd::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (dc) dc->FillSolidRect(client, GetSysColor(COLOR_MENU));
    return TRUE;
}

void CMenuPopupWnd::OnPaint() {
    CPaintDC dc(this);
    CFont* old = CControlSupport::SelectFont(this, dc);
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < m_menu->GetMenuItemCount(); ++i) {
        const CMenu::Item& item = m_menu->Items()[static_cast<size_t>(i)];
        CRect r = ItemRect(i);
        if (item.flags & MF_SEPARATOR) {
            const int y = r.top + r.Height() / 2;
            dc.FillSolidRect(r.left + 2, y - 1, r.Width() - 4, 1, GetSysColor(COLOR_BTNSHADOW));
            dc.FillSolidRect(r.left + 2, y, r.Width() - 4, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            continue;
        }
        const bool hot = i == m_hot;
        const bool grey = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        if (hot) dc.FillSolidRect(r, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(grey  ? COLOR_GRAYTEXT
                                    : hot ? COLOR_HIGHLIGHTTEXT
                                          : COLOR_MENUTEXT));
        const CSize size = dc.GetTextExtent(Label(item.text));
        const int y = r.top + (r.Height() - size.cy) / 2;
        dc.TextOut(r.left + kPad, y, Label(item.text));
        const std::string key = KeyText(item.text);
        if (!key.empty()) dc.TextOut(r.right - kPad - dc.GetTextExtent(key).cx, y, key);
        if (item.flags & MF_CHECKED) dc.TextOut(r.left + 5, y, "\xE2\x9C\x93");
        if (item.popup) {
            CControlSupport::Arrow(dc, CRect(r.right - kPad, r.top, r.right, r.bottom), 3, !grey);
        }
    }
    dc.SelectObject(old);
}
