#include "platform/ui/Wnd.h"

#include <QPainter>
#include <QWindow>

#include "platform/core/Clock.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WindowDC.h"
#include "platform/ui/WndClassRegistry.h"
#include "platform/ui/detail/NonClientPainter.h"
#include "platform/ui/detail/ScrollBars.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

CWnd* g_focus = nullptr;
CWnd* g_capture = nullptr;

// Restores the message being handled when a handler returns, so that
// Default() inside nested sends sees its own message.
class CurrentMessage {
public:
    CurrentMessage(CWnd::Impl& impl, UINT m, WPARAM w, LPARAM l)
        : m_impl(impl), m_m(impl.curMessage), m_w(impl.curWParam), m_l(impl.curLParam) {
        impl.curMessage = m;
        impl.curWParam = w;
        impl.curLParam = l;
    }
    ~CurrentMessage() {
        m_impl.curMessage = m_m;
        m_impl.curWParam = m_w;
        m_impl.curLParam = m_l;
    }

private:
    CWnd::Impl& m_impl;
    UINT m_m;
    WPARAM m_w;
    LPARAM m_l;
};

QRgb BackgroundPixel(const CWnd::Impl& impl) {
    int index = impl.classBackground > 0 ? impl.classBackground - 1 : COLOR_WINDOW;
    return CUiSystem::ToPixel(GetSysColor(index));
}

Qt::WindowFlags TopLevelFlags(const CWnd::Impl& impl) {
    if (impl.NativeFrame()) return Qt::Window;
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    flags |= impl.owner ? Qt::Tool : Qt::Window;
    if (impl.exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

void PlaceWidget(CWnd::Impl& impl, int x, int y, int width, int height) {
    impl.placing = true;
    width = std::max(0, width);
    height = std::max(0, height);
    if (impl.parent) {
        const QPoint origin = impl.parent->PlatformImpl().ClientInWidget().topLeft();
        impl.widget->setGeometry(x + origin.x(), y + origin.y(), width, height);
    } else if (impl.NativeFrame() && impl.widget->isVisible()) {
        const QSize extra = impl.widget->frameGeometry().size() - impl.widget->size();
        impl.widget->move(x, y);
        impl.widget->resize(std::max(0, width - extra.width()),
                            std::max(0, height - extra.height()));
    } else {
        impl.widget->setGeometry(x, y, width, height);
    }
    impl.placing = false;
}

}  // namespace

int CWnd::Impl::BorderWidth() const {
    int b = 0;
    if (!NativeFrame()) {
        if (style & WS_THICKFRAME) {
            b = GetSystemMetrics(SM_CXFRAME);
        } else if (style & WS_DLGFRAME) {
            b = GetSystemMetrics(SM_CXDLGFRAME);
        } else if (style & WS_BORDER) {
            b = GetSystemMetrics(SM_CXBORDER);
        }
    }
    if (exStyle & WS_EX_CLIENTEDGE) b += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE) b += GetSystemMetrics(SM_CXBORDER);
    return b;
}

int CWnd::Impl::CaptionHeight() const {
    if (NativeFrame() || (style & WS_CAPTION) != WS_CAPTION) return 0;
    return GetSystemMetrics(SM_CYCAPTION);
}

QMargins CWnd::Impl::NonClient() const {
    const int b = BorderWidth();
    QMargins m(b, b + CaptionHeight() + menuBarHeight, b, b);
    if (bars[SB_VERT].shown) m.setRight(m.right() + GetSystemMetrics(SM_CXVSCROLL));
    if (bars[SB_HORZ].shown) m.setBottom(m.bottom() + GetSystemMetrics(SM_CYHSCROLL));
    return m;
}

QRect CWnd::Impl::ClientInWidget() const {
    if (!widget) return QRect();
    QRect r = QRect(QPoint(0, 0), widget->size()).marginsRemoved(NonClient());
    if (r.width() < 0) r.setWidth(0);
    if (r.height() < 0) r.setHeight(0);
    return r;
}

CWnd::CWnd() : m_impl(std::make_unique<Impl>()) {}

CWnd::~CWnd() {
    if (m_impl->created) CWnd::DestroyWindow();
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
    return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* createParam) {
    Impl& impl = *m_impl;
    if (impl.created) return FALSE;
    const CWndClassInfo* cls = CWndClassRegistry::Find(className);
    if (!cls) return FALSE;
    if ((style & WS_CHILD) && (!parent || !parent->IsWindow())) return FALSE;
    CUiSystem::Ensure();

    impl.classStyle = cls->style;
    impl.classCursor = cls->cursor;
    impl.classBackground = cls->background;
    impl.style = style & ~(WS_VISIBLE | WS_DISABLED);
    impl.exStyle = exStyle;
    impl.id = id;
    impl.text = windowName ? windowName : "";
    impl.systemClose = true;
    if (style & WS_CHILD) {
        impl.parent = parent;
    } else if (parent && parent->IsWindow()) {
        impl.owner = parent->GetTopLevelParent();
    }

    QWidget* qparent = impl.parent ? impl.parent->m_impl->widget.data() : nullptr;
    Qt::WindowFlags flags = impl.parent ? Qt::Widget : TopLevelFlags(impl);
    impl.widget = new CWindowWidget(this, qparent, flags);
    // A child stays hidden until it is shown, also when its parent is shown
    // after it was made (the toolkit would show it along with the parent).
    if (impl.parent) impl.widget->hide();
    if (!impl.parent) {
        impl.widget->setWindowTitle(QString::fromStdString(impl.text));
        if (impl.owner && impl.owner->m_impl->widget) {
            impl.widget->winId();
            impl.owner->m_impl->widget->winId();
            impl.widget->windowHandle()->setTransientParent(
                impl.owner->m_impl->widget->windowHandle());
        }
    }
    impl.created = true;
    CWindowList::Add(this);
    if (impl.parent) impl.parent->m_impl->children.push_back(this);
    impl.bars[SB_VERT].shown = (style & WS_VSCROLL) != 0;
    impl.bars[SB_HORZ].shown = (style & WS_HSCROLL) != 0;

    PlaceWidget(impl, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    impl.widget->SyncSurface(BackgroundPixel(impl));
    impl.widget->Surface().fill(BackgroundPixel(impl));
    CScrollBars::Layout(this);
    CNonClientPainter::Paint(this);

    CREATESTRUCT cs;
    cs.lpCreateParams = createParam;
    cs.hwndParent = parent;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.lpszName = windowName;
    cs.lpszClass = className;
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (IsWindow()) DestroyWindow();
        return FALSE;
    }
    if (!IsWindow()) return FALSE;

    CRect client;
    GetClientRect(&client);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    CPoint origin(0, 0);
    MapWindowPoints(impl.parent, &origin, 1);
    SendMessage(WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    if (!IsWindow()) return FALSE;
    if (!impl.parent) {
        MINMAXINFO info;
        info.ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN) * 4,
                               GetSystemMetrics(SM_CYSCREEN) * 4};
        info.ptMinTrackSize = {0, 0};
        SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        if (info.ptMinTrackSize.x > 0 || info.ptMinTrackSize.y > 0) {
            impl.widget->setMinimumSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y);
        }
    }
    Invalidate(TRUE);
    if (style & WS_DISABLED) EnableWindow(FALSE);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return IsWindow();
}

BOOL CWnd::DestroyWindow() {
    Impl& impl = *m_impl;
    if (!impl.created) return FALSE;
    if (g_capture == this) g_capture = nullptr;
    if (g_focus == this) g_focus = nullptr;
    SendMessage(WM_DESTROY);
    for (CWnd* child : std::vector<CWnd*>(impl.children)) {
        if (CWindowList::IsAlive(child)) child->DestroyWindow();
    }
    for (CWnd* w : std::vector<CWnd*>(CWindowList::All())) {
        if (CWindowList::IsAlive(w) && w->m_impl->owner == this) w->DestroyWindow();
    }
    CMessageLoop::ForgetWindow(this);
    CWindowList::Remove(this);
    if (impl.parent) {
        auto& siblings = impl.parent->m_impl->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    impl.created = false;
    impl.children.clear();
    impl.invalid = QRegion();
    impl.modalEnded = true;
    if (impl.widget) {
        impl.widget->Detach();
        delete impl.widget.data();
    }
    PostNcDestroy();
    return TRUE;
}

BOOL CWnd::IsWindow() const {
    return m_impl->created;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow()) return FALSE;
    CMessageLoop::Post(this, message, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow()) return 0;
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage current(*m_impl, message, wParam, lParam);
    bool handled = true;
    LRESULT result = DispatchToHandler(message, wParam, lParam, handled);
    if (!handled) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_impl->curMessage, m_impl->curWParam, m_impl->curLParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

LRESULT CWnd::DispatchToHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MOVE:
            OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_COMMAND:
            handled = OnCommand(wParam, lParam) != FALSE;
            return handled ? 1 : 0;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        case WM_SETCURSOR:
            return OnSetCursor(reinterpret_cast<CWnd*>(wParam), LOWORD(lParam), HIWORD(lParam));
        case WM_NCHITTEST:
            return OnNcHitTest(CPoint(lParam));
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CWnd*>(lParam));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CWnd*>(lParam));
            return 0;
        case WM_ACTIVATEAPP:
            OnActivateApp(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam));
            return 0;
        case WM_SETFOCUS:
            OnSetFocus(reinterpret_cast<CWnd*>(wParam));
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(reinterpret_cast<CWnd*>(wParam));
            return 0;
        default:
            return DispatchInput(message, wParam, lParam, handled);
    }
}

LRESULT CWnd::DispatchInput(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    const UINT flags = static_cast<UINT>(wParam);
    const CPoint point(lParam);
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(flags, point);
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(flags, point);
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(flags, point);
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(flags, point);
            return 0;
        case WM_RBUTTONDOWN:
            OnRButtonDown(flags, point);
            return 0;
        case WM_RBUTTONUP:
            OnRButtonUp(flags, point);
            return 0;
        case WM_RBUTTONDBLCLK:
            OnRButtonDblClk(flags, point);
            return 0;
        case WM_MOUSEWHEEL:
            return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam),
                                static_cast<short>(GET_WHEEL_DELTA_WPARAM(wParam)), point);
        case WM_KEYDOWN:
            OnKeyDown(flags, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_KEYUP:
            OnKeyUp(flags, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_CHAR:
            OnChar(flags, LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            handled = false;
            return 0;
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow()) return 0;
    Impl& impl = *m_impl;
    switch (message) {
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_CLOSE:
                    if (impl.systemClose) SendMessage(WM_CLOSE);
                    break;
                case SC_MINIMIZE:
                    ShowWindow(SW_MINIMIZE);
                    break;
                case SC_MAXIMIZE:
                    ShowWindow(SW_SHOWMAXIMIZED);
                    break;
                case SC_RESTORE:
                    ShowWindow(SW_RESTORE);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(&ps);
            EndPaint(&ps);
            return 0;
        }
        case WM_ERASEBKGND: {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            if (!dc || impl.classBackground <= 0) return 0;
            CRect client;
            GetClientRect(&client);
            dc->FillSolidRect(client, GetSysColor(impl.classBackground - 1));
            return 1;
        }
        case WM_SETCURSOR: {
            if (impl.parent && impl.parent->SendMessage(WM_SETCURSOR, wParam, lParam)) return TRUE;
            if (LOWORD(lParam) == HTCLIENT && impl.classCursor) {
                SetCursor(impl.classCursor);
                return TRUE;
            }
            SetCursor(CCursor::LoadStandard(IDC_ARROW));
            return FALSE;
        }
        case WM_NCHITTEST:
            return CNonClientPainter::HitTest(this, CPoint(lParam));
        case WM_SETTEXT:
            impl.text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            if (impl.widget && !impl.parent) {
                impl.widget->setWindowTitle(QString::fromStdString(impl.text));
            }
            CNonClientPainter::Paint(this);
            return TRUE;
        case WM_SETFONT:
            impl.font = reinterpret_cast<CFont*>(wParam);
            if (LOWORD(lParam)) Invalidate(TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(impl.font);
        case WM_MOUSEWHEEL:
            if (impl.parent) return impl.parent->SendMessage(message, wParam, lParam);
            return 0;
        default:
            return 0;
    }
}

int CWnd::OnCreate(CREATESTRUCT*) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
LRESULT CWnd::OnNcHitTest(CPoint) {
    return Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CWnd*) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CWnd*) {
    Default();
}
void CWnd::OnActivateApp(BOOL, DWORD) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) {
    if (!IsWindow()) return 0;
    CMessageLoop::SetTimer(this, id, CClock::Scale(elapseMs));
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    return CMessageLoop::KillTimer(this, id) ? TRUE : FALSE;
}

int CWnd::RunModalLoop() {
    if (!IsWindow()) return -1;
    Impl& impl = *m_impl;
    impl.modalRunning = true;
    impl.modalEnded = false;
    impl.modalResult = -1;
    CWnd* owner = GetOwner() ? GetOwner()->GetTopLevelParent() : nullptr;
    const bool reenable = owner && owner != this && owner->IsWindowEnabled();
    if (reenable) owner->EnableWindow(FALSE);
    // The window may be destroyed (and even freed) by a handler inside the
    // loop: ask the window list before touching it.
    const bool ended = CMessageLoop::RunNested(
        [this] { return !CWindowList::IsAlive(this) || m_impl->modalEnded; });
    if (reenable && CWindowList::IsAlive(owner)) owner->EnableWindow(TRUE);
    if (!CWindowList::IsAlive(this)) return -1;
    impl.modalRunning = false;
    return ended ? impl.modalResult : -1;
}

void CWnd::EndModalLoop(int result) {
    m_impl->modalResult = result;
    m_impl->modalEnded = true;
}

bool CWnd::IsModalLoopRunning() const {
    return m_impl->modalRunning;
}

// ---- Geometry -------------------------------------------------------------

namespace {

QPoint ClientOriginInWidget(const CWnd* wnd) {
    return wnd->PlatformImpl().ClientInWidget().topLeft();
}

}  // namespace

BOOL CWnd::SetScrollInfo(int bar, SCROLLINFO* info, BOOL) {
    return info ? CScrollBars::Set(this, bar, *info) : FALSE;
}

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) const {
    return info ? CScrollBars::Get(this, bar, *info, mask) : FALSE;
}

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) {
    const int old = GetScrollPos(bar);
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(bar, &si, redraw);
    return old;
}

int CWnd::GetScrollPos(int bar) const {
    SCROLLINFO si;
    return GetScrollInfo(bar, &si, SIF_POS) ? si.nPos : 0;
}

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = minPos;
    si.nMax = maxPos;
    SetScrollInfo(bar, &si, redraw);
}

void CWnd::GetScrollRange(int bar, int* minPos, int* maxPos) const {
    SCROLLINFO si;
    GetScrollInfo(bar, &si, SIF_RANGE);
    if (minPos) *minPos = si.nMin;
    if (maxPos) *maxPos = si.nMax;
}

void CWnd::ShowScrollBar(UINT bar, BOOL show) {
    if (bar == SB_HORZ || bar == SB_BOTH) CScrollBars::Show(this, SB_HORZ, show != FALSE);
    if (bar == SB_VERT || bar == SB_BOTH) CScrollBars::Show(this, SB_VERT, show != FALSE);
}

BOOL CWnd::EnableScrollBar(int bar, UINT arrows) {
    const bool enable = arrows != ESB_DISABLE_BOTH;
    if (bar == SB_HORZ || bar == SB_BOTH) CScrollBars::Enable(this, SB_HORZ, enable);
    if (bar == SB_VERT || bar == SB_BOTH) CScrollBars::Enable(this, SB_VERT, enable);
    return TRUE;
}

void CWnd::MoveWindow(const RECT& rect, BOOL repaint) {
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL) {
    Impl& impl = *m_impl;
    if (!impl.widget) return;
    CRect oldClient;
    GetClientRect(&oldClient);
    const QPoint oldPos = impl.widget->pos();
    PlaceWidget(impl, x, y, width, height);
    CScrollBars::AfterGeometryChange(this, oldClient.Size(), oldPos);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Impl& impl = *m_impl;
    if (!impl.widget) return FALSE;
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) {
        CRect r;
        GetWindowRect(&r);
        if (impl.parent) impl.parent->ScreenToClient(&r);
        if (flags & SWP_NOMOVE) {
            x = r.left;
            y = r.top;
        }
        if (flags & SWP_NOSIZE) {
            cx = r.Width();
            cy = r.Height();
        }
        MoveWindow(x, y, cx, cy, !(flags & SWP_NOREDRAW));
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == wndTop || insertAfter == wndTopMost) {
            BringWindowToTop();
        } else if (insertAfter == wndBottom) {
            impl.widget->lower();
        } else if (insertAfter && insertAfter->IsWindow() && insertAfter->m_impl->widget) {
            impl.widget->stackUnder(insertAfter->m_impl->widget);
        }
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow((flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::GetWindowRect(RECT* rect) const {
    if (!rect) return;
    const Impl& impl = *m_impl;
    if (!impl.widget) {
        *rect = CRect();
        return;
    }
    if (!impl.parent && impl.NativeFrame() && impl.widget->isVisible()) {
        *rect = CUiSystem::FromQRect(impl.widget->frameGeometry());
        return;
    }
    const QPoint topLeft = impl.widget->mapToGlobal(QPoint(0, 0));
    *rect =
        CRect(CPoint(topLeft.x(), topLeft.y()), CSize(impl.widget->width(), impl.widget->height()));
}

void CWnd::GetClientRect(RECT* rect) const {
    if (!rect) return;
    const QRect client = m_impl->ClientInWidget();
    *rect = CRect(0, 0, client.width(), client.height());
}

void CWnd::ClientToScreen(POINT* point) const {
    if (!point || !m_impl->widget) return;
    const QPoint p = m_impl->widget->mapToGlobal(ClientOriginInWidget(this));
    point->x += p.x();
    point->y += p.y();
}

void CWnd::ClientToScreen(RECT* rect) const {
    if (!rect) return;
    CPoint p(0, 0);
    ClientToScreen(&p);
    static_cast<CRect*>(rect)->OffsetRect(p);
}

void CWnd::ScreenToClient(POINT* point) const {
    if (!point) return;
    CPoint p(0, 0);
    ClientToScreen(&p);
    point->x -= p.x;
    point->y -= p.y;
}

void CWnd::ScreenToClient(RECT* rect) const {
    if (!rect) return;
    CPoint p(0, 0);
    ClientToScreen(&p);
    static_cast<CRect*>(rect)->OffsetRect(-p.x, -p.y);
}

void CWnd::MapWindowPoints(const CWnd* to, POINT* points, int count) const {
    for (int i = 0; points && i < count; ++i) {
        ClientToScreen(&points[i]);
        if (to) to->ScreenToClient(&points[i]);
    }
}

void CWnd::MapWindowPoints(const CWnd* to, RECT* rect) const {
    if (!rect) return;
    MapWindowPoints(to, reinterpret_cast<POINT*>(rect), 2);
}

namespace {

CWnd* DeepestAt(CWnd* wnd, POINT screen) {
    const auto& children = wnd->PlatformImpl().children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CWnd* child = *it;
        if (!child->IsWindowVisible() || !child->IsWindowEnabled()) continue;
        CRect r;
        child->GetWindowRect(&r);
        if (r.PtInRect(screen)) return DeepestAt(child, screen);
    }
    return wnd;
}

}  // namespace

CWnd* CWnd::WindowFromPoint(POINT screenPoint) {
    for (CWnd* top : CWindowList::TopLevelsFrontFirst()) {
        if (!top->IsWindowVisible()) continue;
        CRect r;
        top->GetWindowRect(&r);
        if (!r.PtInRect(screenPoint)) continue;
        return top->IsWindowEnabled() ? DeepestAt(top, screenPoint) : nullptr;
    }
    return nullptr;
}

CWnd* CWnd::ChildWindowFromPoint(POINT clientPoint) const {
    CPoint screen(clientPoint);
    ClientToScreen(&screen);
    const auto& children = m_impl->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CRect r;
        (*it)->GetWindowRect(&r);
        if (r.PtInRect(screen)) return *it;
    }
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(clientPoint) ? const_cast<CWnd*>(this) : nullptr;
}

// ---- Visibility, state, focus ----------------------------------------------

BOOL CWnd::ShowWindow(int command) {
    Impl& impl = *m_impl;
    if (!impl.widget) return FALSE;
    const bool wasVisible = (impl.style & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        SendMessage(WM_SHOWWINDOW, FALSE, 0);
        if (!IsWindow()) return TRUE;
        impl.style &= ~WS_VISIBLE;
        impl.widget->hide();
        if (g_focus && (g_focus == this || g_focus->GetTopLevelParent() == this)) g_focus = nullptr;
        return TRUE;
    }
    if (!wasVisible) {
        SendMessage(WM_SHOWWINDOW, TRUE, 0);
        if (!IsWindow()) return FALSE;
        impl.style |= WS_VISIBLE;
        Invalidate(TRUE);
    }
    const bool quiet = command == SW_SHOWNA || command == SW_SHOWNOACTIVATE;
    impl.widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet || !impl.NativeFrame());
    if (command == SW_SHOWMAXIMIZED) {
        impl.widget->showMaximized();
    } else if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED) {
        impl.widget->showMinimized();
    } else if (command == SW_RESTORE) {
        impl.widget->showNormal();
    } else {
        impl.widget->show();
    }
    if (!impl.parent && !quiet) CWindowList::BringToFront(this);
    CScrollBars::Layout(this);
    return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    if (!m_impl->created || !(m_impl->style & WS_VISIBLE)) return FALSE;
    return m_impl->parent ? m_impl->parent->IsWindowVisible() : TRUE;
}

BOOL CWnd::IsIconic() const {
    return m_impl->widget && m_impl->widget->isMinimized();
}

BOOL CWnd::IsZoomed() const {
    return m_impl->widget && m_impl->widget->isMaximized();
}

BOOL CWnd::EnableWindow(BOOL enable) {
    Impl& impl = *m_impl;
    const bool wasDisabled = (impl.style & WS_DISABLED) != 0;
    if (!impl.widget || wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
    if (enable) {
        impl.style &= ~WS_DISABLED;
    } else {
        impl.style |= WS_DISABLED;
        if (g_capture == this) g_capture = nullptr;
    }
    impl.widget->setEnabled(enable != FALSE);
    SendMessage(WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_impl->created && !(m_impl->style & WS_DISABLED);
}

void CWnd::BringWindowToTop() {
    if (!m_impl->widget) return;
    m_impl->widget->raise();
    if (!m_impl->parent) CWindowList::BringToFront(this);
}

CWnd* CWnd::SetFocus() {
    CWnd* old = GetFocus();
    if (!IsWindow() || old == this) return old;
    g_focus = this;
    if (old) old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(this));
    if (m_impl->widget) m_impl->widget->setFocus(Qt::OtherFocusReason);
    if (g_focus == this) SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
    return old;
}

CWnd* CWnd::GetFocus() {
    return CWindowList::IsAlive(g_focus) ? g_focus : nullptr;
}

CWnd* CWnd::SetCapture() {
    CWnd* old = GetCapture();
    if (IsWindow()) g_capture = this;
    return old;
}

BOOL CWnd::ReleaseCapture() {
    g_capture = nullptr;
    return TRUE;
}

CWnd* CWnd::GetCapture() {
    return CWindowList::IsAlive(g_capture) ? g_capture : nullptr;
}

CWnd* CWnd::GetParent() const {
    return m_impl->parent ? m_impl->parent : m_impl->owner;
}

CWnd* CWnd::GetOwner() const {
    return m_impl->owner ? m_impl->owner : m_impl->parent;
}

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* w = this;
    while (w->m_impl->parent) w = w->m_impl->parent;
    return const_cast<CWnd*>(w);
}

UINT CWnd::GetDlgCtrlID() const {
    return m_impl->id;
}

CWnd* CWnd::GetDlgItem(int id) const {
    for (CWnd* child : m_impl->children) {
        if (static_cast<int>(child->m_impl->id) == id) return child;
    }
    return nullptr;
}

DWORD CWnd::GetStyle() const {
    return m_impl->style;
}

DWORD CWnd::GetExStyle() const {
    return m_impl->exStyle;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    CRect before;
    GetClientRect(&before);
    const DWORD frame = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_CAPTION;
    const DWORD kept = WS_VISIBLE | WS_DISABLED;
    const DWORD old = m_impl->style;
    m_impl->style = ((old & ~remove) | add) & ~kept;
    m_impl->style |= old & kept;
    if ((add | remove) & WS_VISIBLE) ShowWindow((add & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    if ((add | remove) & WS_DISABLED) EnableWindow((add & WS_DISABLED) ? FALSE : TRUE);
    if ((old ^ m_impl->style) & frame && m_impl->widget) {
        CScrollBars::AfterGeometryChange(this, before.Size(), m_impl->widget->pos());
    }
    return old != m_impl->style;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
    CRect before;
    GetClientRect(&before);
    const DWORD old = m_impl->exStyle;
    m_impl->exStyle = (old & ~remove) | add;
    if (old != m_impl->exStyle && m_impl->widget) {
        CScrollBars::AfterGeometryChange(this, before.Size(), m_impl->widget->pos());
    }
    return old != m_impl->exStyle;
}

void CWnd::SetWindowText(const std::string& text) {
    if (!IsWindow()) {
        m_impl->text = text;
        return;
    }
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? 1 : 0);
}

CFont* CWnd::GetFont() const {
    return m_impl->created ? m_impl->font : nullptr;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent ? SubclassWindow(parent->GetDlgItem(static_cast<int>(id))) : FALSE;
}

BOOL CWnd::SubclassWindow(CWnd* existing) {
    if (!existing || existing == this || m_impl->created || !existing->IsWindow()) return FALSE;
    std::swap(m_impl, existing->m_impl);
    Impl& impl = *m_impl;
    if (impl.widget) impl.widget->Reattach(this);
    CWindowList::Replace(existing, this);
    CMessageLoop::ReplaceWindow(existing, this);
    if (impl.parent) {
        auto& siblings = impl.parent->m_impl->children;
        std::replace(siblings.begin(), siblings.end(), existing, this);
    }
    for (CWnd* child : impl.children) child->m_impl->parent = this;
    for (CWnd* w : CWindowList::All()) {
        if (w->m_impl->owner == existing) w->m_impl->owner = this;
    }
    if (g_focus == existing) g_focus = this;
    if (g_capture == existing) g_capture = this;
    PreSubclassWindow();
    return TRUE;
}

std::string CWnd::GetWindowText() const {
    return m_impl->text;
}

HCURSOR CWnd::GetClassCursor() const {
    return m_impl->classCursor;
}

void CWnd::EnableSystemClose(BOOL enable) {
    m_impl->systemClose = enable != FALSE;
}

BOOL CWnd::IsSystemCloseEnabled() const {
    return m_impl->systemClose ? TRUE : FALSE;
}

// ---- Painting --------------------------------------------------------------

void CWnd::Invalidate(BOOL erase) {
    InvalidateRect(nullptr, erase);
}

void CWnd::InvalidateRect(const RECT* rect, BOOL erase) {
    if (!IsWindow()) return;
    CRect client;
    GetClientRect(&client);
    QRect area = CUiSystem::ToQRect(client);
    if (rect) area = area.intersected(CUiSystem::ToQRect(*rect));
    if (area.isEmpty()) return;
    m_impl->invalid += area;
    if (erase) m_impl->erasePending = true;
}

void CWnd::ValidateRect(const RECT* rect) {
    if (rect) {
        m_impl->invalid -= CUiSystem::ToQRect(*rect);
    } else {
        m_impl->invalid = QRegion();
    }
    if (m_impl->invalid.isEmpty()) m_impl->erasePending = false;
}

BOOL CWnd::GetUpdateRect(RECT* rect, BOOL) {
    const QRect bounds = m_impl->invalid.boundingRect();
    if (rect) *rect = bounds.isEmpty() ? CRect() : CUiSystem::FromQRect(bounds);
    return bounds.isEmpty() ? FALSE : TRUE;
}

void CWnd::UpdateWindow() {
    if (!IsWindow() || m_impl->invalid.isEmpty()) return;
    SendMessage(WM_PAINT);
    if (IsWindow()) ValidateRect(nullptr);
}

BOOL CWnd::RedrawWindow(const RECT* rect, UINT flags) {
    if (flags & RDW_INVALIDATE) InvalidateRect(rect, (flags & RDW_ERASE) ? TRUE : FALSE);
    if (flags & RDW_ALLCHILDREN) {
        for (CWnd* child : std::vector<CWnd*>(m_impl->children)) {
            if (CWindowList::IsAlive(child)) child->RedrawWindow(nullptr, flags);
        }
    }
    if (flags & RDW_UPDATENOW) UpdateWindow();
    return TRUE;
}

CDC* CWnd::BeginPaint(PAINTSTRUCT* paint) {
    auto dc = std::make_unique<CPaintDC>(this);
    if (paint) *paint = dc->m_ps;
    m_impl->paintDCs.push_back(std::move(dc));
    return m_impl->paintDCs.back().get();
}

void CWnd::EndPaint(const PAINTSTRUCT*) {
    if (!m_impl->paintDCs.empty()) m_impl->paintDCs.pop_back();
}

CDC* CWnd::GetDC() {
    return new CClientDC(this);
}

CDC* CWnd::GetWindowDC() {
    return new CWindowDC(this);
}

int CWnd::ReleaseDC(CDC* dc) {
    delete dc;
    return 1;
}

void CWnd::ScrollWindow(int dx, int dy, const RECT* scroll, const RECT* clip) {
    if (!IsWindow() || !m_impl->widget) return;
    CRect client;
    GetClientRect(&client);
    CRect area = scroll ? CRect(*scroll) : client;
    if (clip) area.IntersectRect(area, *clip);
    area.IntersectRect(area, client);
    {
        CClientDC dc(this);
        dc.BitBlt(area.left + dx, area.top + dy, area.Width(), area.Height(), &dc, area.left,
                  area.top, SRCCOPY);
    }
    QRegion uncovered(CUiSystem::ToQRect(area));
    uncovered -= CUiSystem::ToQRect(area).translated(dx, dy);
    m_impl->invalid.translate(dx, dy);
    m_impl->invalid += uncovered;
    m_impl->erasePending = true;
    if (!scroll) {
        for (CWnd* child : m_impl->children) {
            const QPoint p = child->m_impl->widget->pos();
            child->m_impl->widget->move(p.x() + dx, p.y() + dy);
        }
    }
}

void CWnd::UpdateWindowTree() {
    std::vector<CWnd*> pending{this};
    while (!pending.empty()) {
        CWnd* w = pending.back();
        pending.pop_back();
        if (!CWindowList::IsAlive(w)) continue;
        w->UpdateWindow();
        if (!CWindowList::IsAlive(w)) continue;
        for (CWnd* child : w->m_impl->children) {
            if (child->GetStyle() & WS_VISIBLE) pending.push_back(child);
        }
    }
}

bool CWnd::SaveToPng(const std::string& path) {
    if (!IsWindow() || !m_impl->widget) return false;
    UpdateWindowTree();
    if (!IsWindow()) return false;
    return m_impl->widget->grab().save(QString::fromStdString(path), "PNG");
}

bool CWnd::GrabPixels(std::vector<COLORREF>& pixels, int& width, int& height) {
    if (!IsWindow() || !m_impl->widget) return false;
    UpdateWindowTree();
    if (!IsWindow()) return false;
    const QImage image = m_impl->widget->grab().toImage();
    width = image.width();
    height = image.height();
    pixels.clear();
    pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = image.pixel(x, y);
            pixels.push_back(RGB(qRed(c), qGreen(c), qBlue(c)));
        }
    return true;
}
