#include "platform/ui/Edit.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Brush.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DC.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

// Far more than any field of the program needs; keeps pasted or scripted
// input from growing without bound.
constexpr int kHardLimit = 1 << 20;

struct EditState {
    int limit = 0;
    int anchor = 0;
    int caret = 0;
    int firstLine = 0;
    int scrollX = 0;
    bool focused = false;
    // Created with WS_VSCROLL (the style bit itself follows the bar's
    // visibility).
    bool hasBar = false;
};

EditState* StateOf(const CWnd* wnd) {
    return CControlSupport::State<EditState>(wnd);
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int PrevChar(const std::string& s, int pos) {
    if (pos <= 0) return 0;
    --pos;
    while (pos > 0 && IsContinuation(s[static_cast<size_t>(pos)])) --pos;
    return pos;
}

int NextChar(const std::string& s, int pos) {
    const int n = static_cast<int>(s.size());
    if (pos >= n) return n;
    ++pos;
    while (pos < n && IsContinuation(s[static_cast<size_t>(pos)])) ++pos;
    return pos;
}

std::string Utf8(UINT ch) {
    std::string out;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

struct Line {
    int start;
    int end;
};

// Lines of a multi-line field: at line breaks and, wrapped at spaces, at
// the width.
std::vector<Line> Layout(CDC& dc, const std::string& text, int width, bool wrap) {
    std::vector<Line> lines;
    int start = 0;
    const int n = static_cast<int>(text.size());
    while (true) {
        int end = start;
        while (end < n && text[static_cast<size_t>(end)] != '\n') ++end;
        int lineStart = start;
        while (wrap && width > 0 &&
               dc.GetTextExtent(text.substr(lineStart, end - lineStart)).cx > width) {
            int cut = end;
            while (cut > lineStart &&
                   (text[static_cast<size_t>(cut - 1)] != ' ' ||
                    dc.GetTextExtent(text.substr(lineStart, cut - 1 - lineStart)).cx > width)) {
                --cut;
            }
            if (cut <= lineStart) break;
            lines.push_back({lineStart, cut - 1});
            lineStart = cut;
        }
        int lineEnd = end;
        if (lineEnd > lineStart && text[static_cast<size_t>(lineEnd - 1)] == '\r') --lineEnd;
        lines.push_back({lineStart, lineEnd});
        if (end >= n) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

int CEdit::OnCreate(CREATESTRUCT* create) {
    if (EditState* s = StateOf(this)) s->hasBar = create && (create->style & WS_VSCROLL);
    return 0;
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, nullptr, "", style | WS_CHILD, rect, parent, id);
}

void CEdit::LimitText(int maxBytes) {
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(std::max(0, maxBytes)));
}

int CEdit::GetLimitText() const {
    const EditState* s = StateOf(this);
    return s && s->limit > 0 ? s->limit : kHardLimit;
}

void CEdit::SetSel(int start, int end, BOOL) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
}

void CEdit::GetSel(int& start, int& end) const {
    const EditState* s = StateOf(this);
    start = s ? std::min(s->anchor, s->caret) : 0;
    end = s ? std::max(s->anchor, s->caret) : 0;
}

void CEdit::ReplaceSel(const std::string& text, BOOL) {
    Insert(text);
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
    Invalidate();
    return TRUE;
}

int CEdit::GetLineCount() const {
    if (!IsMultiLine()) return 1;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    CRect client;
    GetClientRect(&client);
    return static_cast<int>(Layout(dc, GetWindowText(), client.Width() - 4, true).size());
}

int CEdit::GetFirstVisibleLine() const {
    const EditState* s = StateOf(this);
    return s ? s->firstLine : 0;
}

void CEdit::LineScroll(int lines, int) {
    EditState* s = StateOf(this);
    if (!s) return;
    s->firstLine = std::clamp(s->firstLine + lines, 0, std::max(0, GetLineCount() - 1));
    UpdateScroll();
    Invalidate();
}

LRESULT CEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    EditState* s = StateOf(this);
    switch (message) {
        case EM_LIMITTEXT:
            if (s) s->limit = std::min(static_cast<int>(wParam), kHardLimit);
            return 0;
        case EM_SETSEL: {
            if (!s) return 0;
            const int n = static_cast<int>(GetWindowText().size());
            int a = static_cast<int>(static_cast<intptr_t>(wParam));
            int b = static_cast<int>(lParam);
            if (a < 0) a = b = s->caret;  // -1 removes the selection
            if (b < 0 || b > n) b = n;
            s->anchor = std::clamp(a, 0, n);
            s->caret = std::clamp(b, 0, n);
            Invalidate();
            return 0;
        }
        case EM_GETSEL: {
            int a = 0, b = 0;
            GetSel(a, b);
            return MAKELPARAM(a, b);
        }
        case EM_REPLACESEL:
            Insert(lParam ? reinterpret_cast<const char*>(lParam) : "");
            return 0;
        case EM_SETREADONLY:
            return SetReadOnly(static_cast<BOOL>(wParam));
        case WM_SETTEXT: {
            std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            if (static_cast<int>(text.size()) > GetLimitText()) text.resize(GetLimitText());
            const LRESULT r =
                CWnd::WindowProc(message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
            if (s) s->anchor = s->caret = 0;
            if (s) s->firstLine = s->scrollX = 0;
            UpdateScroll();
            Invalidate();
            Changed();
            return r;
        }
        case WM_ENABLE: {
            const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
            Invalidate();
            return r;
        }
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CEdit::Changed() {
    CControlSupport::Command(this, EN_CHANGE);
}

void CEdit::EraseSelection() {
    EditState* s = StateOf(this);
    int a = 0, b = 0;
    GetSel(a, b);
    if (a == b) return;
    std::string text = GetWindowText();
    text.erase(static_cast<size_t>(a), static_cast<size_t>(b - a));
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    s->anchor = s->caret = a;
}

void CEdit::Insert(const std::string& input) {
    EditState* s = StateOf(this);
    if (!s) return;
    std::string add = input;
    if (!IsMultiLine()) add.erase(std::remove(add.begin(), add.end(), '\n'), add.end());
    if (GetStyle() & ES_NUMBER) {
        add.erase(std::remove_if(add.begin(), add.end(), [](char c) { return c < '0' || c > '9'; }),
                  add.end());
    }
    int a = 0, b = 0;
    GetSel(a, b);
    std::string text = GetWindowText();
    const int room = GetLimitText() - (static_cast<int>(text.size()) - (b - a));
    if (room <= 0 && !add.empty()) {
        CControlSupport::Command(this, EN_MAXTEXT);
        return;
    }
    if (static_cast<int>(add.size()) > room) {
        int cut = room;
        while (cut > 0 && IsContinuation(add[static_cast<size_t>(cut)])) --cut;
        add.resize(static_cast<size_t>(cut));
        CControlSupport::Command(this, EN_MAXTEXT);
    }
    if (add.empty() && a == b) return;
    text.replace(static_cast<size_t>(a), static_cast<size_t>(b - a), add);
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    s->anchor = s->caret = a + static_cast<int>(add.size());
    UpdateScroll();
    Invalidate();
    Changed();
}

void CEdit::OnChar(UINT ch, UINT, UINT) {
    if (IsReadOnly() || ch == VK_TAB || ch == VK_ESCAPE) return;
    if (ch == VK_BACK) {
        EditState* s = StateOf(this);
        int a = 0, b = 0;
        GetSel(a, b);
        if (a == b && a > 0) s->anchor = PrevChar(GetWindowText(), a);
        if (s->anchor != s->caret) Insert("");
        return;
    }
    if (ch == VK_RETURN) {
        if (IsMultiLine()) Insert("\n");
        return;
    }
    if (ch < 32) return;
    std::string text = Utf8(ch);
    if (GetStyle() & ES_UPPERCASE) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    Insert(text);
}

void CEdit::OnKeyDown(UINT key, UINT, UINT) {
    EditState* s = StateOf(this);
    if (!s) return;
    const std::string text = GetWindowText();
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    int caret = s->caret;
    switch (key) {
        case VK_LEFT:
            caret = PrevChar(text, caret);
            break;
        case VK_RIGHT:
            caret = NextChar(text, caret);
            break;
        case VK_HOME:
            caret = 0;
            break;
        case VK_END:
            caret = static_cast<int>(text.size());
            break;
        case VK_UP:
        case VK_DOWN:
            if (IsMultiLine() && IsReadOnly()) LineScroll(key == VK_UP ? -1 : 1);
            return;
        case VK_DELETE:
            if (IsReadOnly()) return;
            if (s->anchor == s->caret) s->caret = NextChar(text, s->caret);
            Insert("");
            return;
        default:
            if (control && key == 'C') {
                int a = 0, b = 0;
                GetSel(a, b);
                if (a != b && !(GetStyle() & ES_PASSWORD)) SetClipboardText(text.substr(a, b - a));
            } else if (control && key == 'V' && !IsReadOnly()) {
                Insert(GetClipboardText());
            } else if (control && key == 'A') {
                SetSel(0, -1);
            }
            return;
    }
    s->caret = caret;
    if (!shift) s->anchor = caret;
    Invalidate();
}

int CEdit::PositionAt(CPoint point) const {
    if (IsMultiLine()) return static_cast<int>(GetWindowText().size());
    const EditState* s = StateOf(this);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CControlSupport::SelectFont(this, dc);
    const std::string text = GetWindowText();
    const int x = point.x - 2 + (s ? s->scrollX : 0);
    int pos = 0;
    while (pos < static_cast<int>(text.size())) {
        const int next = NextChar(text, pos);
        const int mid =
            (dc.GetTextExtent(text.substr(0, pos)).cx + dc.GetTextExtent(text.substr(0, next)).cx) /
            2;
        if (x < mid) break;
        pos = next;
    }
    return pos;
}

void CEdit::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    EditState* s = StateOf(this);
    if (!s) return;
    s->anchor = s->caret = PositionAt(point);
    Invalidate();
}

void CEdit::OnSetFocus(CWnd*) {
    EditState* s = StateOf(this);
    if (!s) return;
    s->focused = true;
    // Tabbing into a single-line field selects its text, as usual.
    if (!IsMultiLine()) {
        s->anchor = 0;
        s->caret = static_cast<int>(GetWindowText().size());
    }
    Invalidate();
    CControlSupport::Command(this, EN_SETFOCUS);
}

void CEdit::OnKillFocus(CWnd*) {
    if (EditState* s = StateOf(this)) s->focused = false;
    Invalidate();
    CControlSupport::Command(this, EN_KILLFOCUS);
}

void CEdit::OnSize(UINT, int, int) {
    UpdateScroll();
}

void CEdit::UpdateScroll() {
    EditState* s = StateOf(this);
    if (!s || !IsMultiLine() || !s->hasBar) return;
    CRect client;
    GetClientRect(&client);
    const int lineHeight = CControlSupport::LineHeight(this);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, GetLineCount() - 1);
    si.nPage = static_cast<UINT>(std::max(1, (client.Height() - 2) / lineHeight));
    si.nPos = s->firstLine;
    SetScrollInfo(SB_VERT, &si, TRUE);
}

void CEdit::OnVScroll(UINT code, UINT pos, CWnd*) {
    EditState* s = StateOf(this);
    if (!s) return;
    SCROLLINFO si;
    GetScrollInfo(SB_VERT, &si, SIF_ALL);
    const int page = std::max<int>(1, static_cast<int>(si.nPage));
    int first = s->firstLine;
    if (!CControlSupport::ScrollTarget(code, pos, s->firstLine, page, si.nMax, first)) return;
    first = std::clamp(first, 0, std::max(0, si.nMax - page + 1));
    if (first == s->firstLine) return;
    s->firstLine = first;
    UpdateScroll();
    Invalidate();
}

BOOL CEdit::OnMouseWheel(UINT, short delta, CPoint) {
    if (!IsMultiLine()) return FALSE;
    OnVScroll(delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0, nullptr);
    return TRUE;
}

BOOL CEdit::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CEdit::OnPaint() {
    CPaintDC dc(this);
    EditState* s = StateOf(this);
    CRect client;
    GetClientRect(&client);
    const bool grey = IsReadOnly() || !IsWindowEnabled();
    CControlSupport::Background(this, dc, client, CTLCOLOR_EDIT,
                                GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
    CFont* old = CControlSupport::SelectFont(this, dc);
    std::string text = GetWindowText();
    if (GetStyle() & ES_PASSWORD) text.assign(text.size(), '*');
    const int lineHeight = CControlSupport::LineHeight(this);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    CRect area = client;
    area.DeflateRect(2, 1);
    dc.IntersectClipRect(area);
    int a = 0, b = 0;
    GetSel(a, b);
    if (IsMultiLine()) {
        const std::vector<Line> lines = Layout(dc, text, area.Width(), true);
        int y = area.top;
        for (size_t i = static_cast<size_t>(std::max(0, s->firstLine)); i < lines.size(); ++i) {
            dc.TextOut(area.left, y, text.substr(lines[i].start, lines[i].end - lines[i].start));
            y += lineHeight;
            if (y >= area.bottom) break;
        }
    } else {
        // Keep the caret in view.
        const int caretX = dc.GetTextExtent(text.substr(0, s->caret)).cx;
        if (caretX - s->scrollX > area.Width() - 1) s->scrollX = caretX - area.Width() + 1;
        if (caretX < s->scrollX) s->scrollX = caretX;
        const int x0 = area.left - s->scrollX;
        const int y = area.top + (area.Height() - lineHeight) / 2;
        if (s->focused && a != b) {
            const int sx = dc.GetTextExtent(text.substr(0, a)).cx;
            const int ex = dc.GetTextExtent(text.substr(0, b)).cx;
            dc.FillSolidRect(CRect(x0 + sx, y, x0 + ex, y + lineHeight),
                             GetSysColor(COLOR_HIGHLIGHT));
        }
        const int align = (GetStyle() & 3) == ES_RIGHT ? 2 : (GetStyle() & 3) == ES_CENTER ? 1 : 0;
        int x = x0;
        const int width = dc.GetTextExtent(text).cx;
        if (align == 2 && width < area.Width()) x = area.right - width;
        if (align == 1 && width < area.Width()) x = area.left + (area.Width() - width) / 2;
        if (s->focused && a != b) {
            dc.TextOut(x, y, text.substr(0, a));
            dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
            dc.TextOut(x + dc.GetTextExtent(text.substr(0, a)).cx, y, text.substr(a, b - a));
            dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
            dc.TextOut(x + dc.GetTextExtent(text.substr(0, b)).cx, y, text.substr(b));
        } else {
            dc.TextOut(x, y, text);
        }
        if (s->focused && !IsReadOnly()) {
            const int cx = x + dc.GetTextExtent(text.substr(0, s->caret)).cx;
            dc.FillSolidRect(CRect(cx, y, cx + 1, y + lineHeight), GetSysColor(COLOR_WINDOWTEXT));
        }
    }
    dc.SelectObject(old);
}
