#include "platform/ui/detail/ControlSupport.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "platform/ui/GdiObject.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SystemMetrics.h"

std::vector<CWnd*> CControlSupport::Group(CWnd* control) {
    CWnd* parent = control->GetParent();
    if (!parent || !(control->GetStyle() & WS_CHILD)) return {control};
    const std::vector<CWnd*>& siblings = parent->PlatformImpl().children;
    auto at = std::find(siblings.begin(), siblings.end(), control);
    if (at == siblings.end()) return {control};
    auto first = at;
    while (first != siblings.begin() && !((*first)->GetStyle() & WS_GROUP)) --first;
    std::vector<CWnd*> group{*first};
    for (auto it = first + 1; it != siblings.end() && !((*it)->GetStyle() & WS_GROUP); ++it) {
        group.push_back(*it);
    }
    return group;
}

LRESULT CControlSupport::ToParent(CWnd* control, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (control->OnChildNotify(message, wParam, lParam, &result)) return result;
    CWnd* parent = control->IsWindow() ? control->GetParent() : nullptr;
    return parent ? parent->SendMessage(message, wParam, lParam) : 0;
}

void CControlSupport::Command(CWnd* control, UINT code) {
    ToParent(control, WM_COMMAND,
             MAKEWPARAM(static_cast<int>(control->GetDlgCtrlID()), static_cast<int>(code)),
             reinterpret_cast<LPARAM>(control));
}

LRESULT CControlSupport::Notify(CWnd* control, NMHDR& head, UINT code) {
    head.hwndFrom = control;
    head.idFrom = control->GetDlgCtrlID();
    head.code = code;
    return ToParent(control, WM_NOTIFY, head.idFrom, reinterpret_cast<LPARAM>(&head));
}

bool CControlSupport::DrawItem(CWnd* control, DRAWITEMSTRUCT& dis) {
    dis.hwndItem = control;
    dis.CtlID = control->GetDlgCtrlID();
    return ToParent(control, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis)) != 0;
}

void CControlSupport::Measure(CWnd* control, MEASUREITEMSTRUCT& mis) {
    mis.CtlID = control->GetDlgCtrlID();
    ToParent(control, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
}

int CControlSupport::ItemHeight(CWnd* control, MEASUREITEMSTRUCT& mis, bool ask) {
    mis.CtlID = control->GetDlgCtrlID();
    mis.itemHeight = static_cast<UINT>(LineHeight(control));
    if (ask) Measure(control, mis);
    return std::clamp(static_cast<int>(mis.itemHeight), 1, 0xFFFF);
}

void CControlSupport::DrawListItem(CWnd* control, CDC& dc, DRAWITEMSTRUCT& dis) {
    dis.hDC = &dc;
    const int saved = dc.SaveDC();
    DrawItem(control, dis);
    dc.RestoreDC(saved);
}

CBrush* CControlSupport::CtlColor(CWnd* control, CDC& dc, UINT type) {
    CTLCOLORINFO info{control, type};
    return reinterpret_cast<CBrush*>(ToParent(control, WM_CTLCOLOR, reinterpret_cast<WPARAM>(&dc),
                                              reinterpret_cast<LPARAM>(&info)));
}

void CControlSupport::Background(CWnd* control, CDC& dc, const CRect& r, UINT type,
                                 COLORREF fallback) {
    CBrush* brush = CtlColor(control, dc, type);
    if (brush) {
        dc.FillRect(r, brush);
    } else {
        dc.FillSolidRect(r, fallback);
    }
}

bool CControlSupport::ScrollTarget(UINT code, UINT thumb, int current, int page, int bottom,
                                   int& target) {
    switch (static_cast<int>(code)) {
        case SB_LINEUP:
            target = current - 1;
            return true;
        case SB_LINEDOWN:
            target = current + 1;
            return true;
        case SB_PAGEUP:
            target = current - page;
            return true;
        case SB_PAGEDOWN:
            target = current + page;
            return true;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            target = static_cast<int>(thumb);
            return true;
        case SB_TOP:
            target = 0;
            return true;
        case SB_BOTTOM:
            target = bottom;
            return true;
        default:
            return false;
    }
}

CFont* CControlSupport::SelectFont(const CWnd* control, CDC& dc) {
    CFont* font = control->GetFont();
    if (!font) font = static_cast<CFont*>(GetStockObject(DEFAULT_GUI_FONT));
    return dc.SelectObject(font);
}

int CControlSupport::LineHeight(const CWnd* control) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* old = SelectFont(control, dc);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    return std::max<int>(1, tm.tmHeight);
}

void CControlSupport::Raised(CDC& dc, const CRect& r) {
    dc.Draw3dRect(r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    CRect in = r;
    in.DeflateRect(1, 1);
    dc.Draw3dRect(in, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

void CControlSupport::Sunken(CDC& dc, const CRect& r) {
    dc.Draw3dRect(r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    CRect in = r;
    in.DeflateRect(1, 1);
    dc.Draw3dRect(in, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
}

void CControlSupport::Etched(CDC& dc, const CRect& r) {
    CRect inner = r;
    inner.DeflateRect(1, 1);
    dc.Draw3dRect(r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    dc.Draw3dRect(inner, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

void CControlSupport::Picture(CDC& dc, CBitmap& bitmap, const CRect& r, bool centred) {
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap* prev = mem.SelectObject(&bitmap);
    const CSize size = bitmap.GetSize();
    CPoint at = r.TopLeft();
    if (centred) {
        at = CPoint(r.left + (r.Width() - size.cx) / 2, r.top + (r.Height() - size.cy) / 2);
    }
    dc.BitBlt(at.x, at.y, size.cx, size.cy, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(prev);
}

void CControlSupport::ButtonFace(CDC& dc, CRect r, bool pressed, bool isDefault) {
    if (isDefault) {
        dc.Draw3dRect(r, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
        r.DeflateRect(1, 1);
    }
    dc.FillSolidRect(r, GetSysColor(COLOR_BTNFACE));
    if (pressed) {
        dc.Draw3dRect(r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
    } else {
        Raised(dc, r);
    }
}

void CControlSupport::CheckBox(CDC& dc, const CRect& box, int state, bool enabled) {
    Sunken(dc, box);
    CRect in = box;
    in.DeflateRect(2, 2);
    dc.FillSolidRect(
        in, GetSysColor(enabled && state != BST_INDETERMINATE ? COLOR_WINDOW : COLOR_BTNFACE));
    if (state == BST_UNCHECKED) return;
    const COLORREF c = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    // A tick: down from the left third, then up to the right.
    const int x0 = in.left + 1, y0 = in.top + in.Height() / 2 - 1;
    const int mid = in.left + in.Width() / 3 + 1;
    for (int w = 0; w < 2; ++w) {
        for (int x = x0, y = y0 + w; x <= mid; ++x, ++y) dc.SetPixel(x, y, c);
        for (int x = mid + 1, y = y0 + w + (mid - x0) - 1; x < in.right - 1 && y >= in.top;
             ++x, --y) {
            dc.SetPixel(x, y, c);
        }
    }
}

void CControlSupport::RadioBox(CDC& dc, const CRect& box, bool checked, bool enabled) {
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CBrush fill(GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    CPen* oldPen = dc.SelectObject(&shadow);
    CBrush* oldBrush = dc.SelectObject(&fill);
    dc.Ellipse(box);
    if (checked) {
        CBrush dot(GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        CPen none(PS_NULL, 0, 0);
        dc.SelectObject(&dot);
        dc.SelectObject(&none);
        CRect d = box;
        d.DeflateRect(box.Width() / 3, box.Height() / 3);
        dc.Ellipse(d.left, d.top, d.right + 1, d.bottom + 1);
        dc.SelectObject(&fill);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void CControlSupport::Arrow(CDC& dc, const CRect& r, int direction, bool enabled) {
    const COLORREF c = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    const int size = std::max(2, std::min(r.Width(), r.Height()) / 4 + 1);
    const CPoint centre = r.CenterPoint();
    for (int i = 0; i < size; ++i) {
        const int half = i;
        switch (direction) {
            case 0:  // up
                dc.FillSolidRect(centre.x - half, centre.y - size / 2 + i, 2 * half + 1, 1, c);
                break;
            case 1:  // down
                dc.FillSolidRect(centre.x - half, centre.y + size / 2 - i, 2 * half + 1, 1, c);
                break;
            case 2:  // left
                dc.FillSolidRect(centre.x - size / 2 + i, centre.y - half, 1, 2 * half + 1, c);
                break;
            default:  // right
                dc.FillSolidRect(centre.x + size / 2 - i, centre.y - half, 1, 2 * half + 1, c);
                break;
        }
    }
}

void CControlSupport::ItemText(CDC& dc, const CRect& r, const std::string& text, bool selected,
                               bool enabled) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                : selected ? COLOR_HIGHLIGHTTEXT
                                           : COLOR_WINDOWTEXT));
    dc.TextOut(r.left + 2, r.top, text);
}

std::string CControlSupport::StripMnemonic(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::string CControlSupport::EscapeMnemonic(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

namespace {

std::vector<std::string> WrapLines(const CDC& dc, const std::string& text, int width, bool wrap) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string para = text.substr(start, end - start);
        if (!para.empty() && para.back() == '\r') para.pop_back();
        while (wrap && dc.GetTextExtent(para).cx > width) {
            size_t cut = para.size();
            while (cut > 0) {
                cut = para.rfind(' ', cut - 1);
                if (cut == std::string::npos || cut == 0) {
                    cut = 0;
                    break;
                }
                if (dc.GetTextExtent(para.substr(0, cut)).cx <= width) break;
            }
            if (cut == 0) break;
            lines.push_back(para.substr(0, cut));
            para = para.substr(cut + 1);
        }
        lines.push_back(para);
        start = end + 1;
    }
    return lines;
}

}  // namespace

void CControlSupport::Text(CDC& dc, const CRect& r, const std::string& text, int align, bool wrap,
                           bool enabled) {
    const std::string shown = StripMnemonic(text);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const int lineHeight = std::max<int>(1, tm.tmHeight);
    const std::vector<std::string> lines = WrapLines(dc, shown, r.Width(), wrap);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColour =
        dc.SetTextColor(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(r);
    int y = wrap ? r.top : r.top + (r.Height() - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const std::string& line : lines) {
        const int w = dc.GetTextExtent(line).cx;
        const int x = align == 1 ? r.left + (r.Width() - w) / 2 : align == 2 ? r.right - w : r.left;
        dc.TextOut(x, y, line);
        y += lineHeight;
        if (y >= r.bottom) break;
    }
    dc.RestoreDC(saved);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
}
