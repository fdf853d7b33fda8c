#include "platform/ui/detail/InputRouter.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "platform/core/Clock.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WndImpl.h"

namespace {

QPointer<QWidget> g_cursorWidget;
bool g_appActive = false;

void PostInput(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, QPoint global) {
    MSG msg;
    msg.hwnd = wnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = CClock::GetTickCount();
    msg.pt = POINT{global.x(), global.y()};
    msg.lPrivate = 1;
    // Like the system's queue, only the latest of a run of mouse moves is
    // kept.
    MSG last;
    if (message == WM_MOUSEMOVE &&
        CMessageLoop::Peek(last, wnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_NOREMOVE)) {
        CMessageLoop::RemoveMessages(wnd, WM_MOUSEMOVE, WM_MOUSEMOVE);
    }
    CMessageLoop::PostPrepared(msg);
}

WPARAM KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    WPARAM flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (mods & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (mods & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

void FollowModifiers(Qt::KeyboardModifiers mods) {
    CKeyState::SetDown(VK_SHIFT, (mods & Qt::ShiftModifier) != 0);
    CKeyState::SetDown(VK_CONTROL, (mods & Qt::ControlModifier) != 0);
    CKeyState::SetDown(VK_MENU, (mods & Qt::AltModifier) != 0);
}

CWnd* DeepestUnder(CWnd* top, QPoint global) {
    CWnd* found = top;
    for (bool descended = true; descended;) {
        descended = false;
        const auto& children = found->PlatformImpl().children;
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            CWnd* child = *it;
            if (!child->IsWindowVisible() || !child->IsWindowEnabled()) continue;
            CRect r;
            child->GetWindowRect(&r);
            if (r.PtInRect(CPoint(global.x(), global.y()))) {
                found = child;
                descended = true;
                break;
            }
        }
    }
    return found;
}

UINT MouseMessage(Qt::MouseButton button, CInputRouter::MouseKind kind, bool doubleClicks) {
    const bool right = button == Qt::RightButton;
    switch (kind) {
        case CInputRouter::MouseKind::Press:
            return right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
        case CInputRouter::MouseKind::Release:
            return right ? WM_RBUTTONUP : WM_LBUTTONUP;
        case CInputRouter::MouseKind::DoubleClick:
            if (!doubleClicks) return right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
            return right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK;
        default:
            return WM_MOUSEMOVE;
    }
}

}  // namespace

void CInputRouter::Install() {
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp,
                     [](Qt::ApplicationState state) {
                         const bool active = state == Qt::ApplicationActive;
                         if (active == g_appActive) return;
                         g_appActive = active;
                         for (CWnd* top : CWindowList::TopLevelsFrontFirst()) {
                             CMessageLoop::Post(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
                         }
                     });
}

QWidget* CInputRouter::CursorWidget() {
    return g_cursorWidget.data();
}

void CInputRouter::Mouse(CWindowWidget* widget, QMouseEvent* event, MouseKind kind) {
    FollowModifiers(event->modifiers());
    const int vk = event->button() == Qt::RightButton ? VK_RBUTTON : VK_LBUTTON;
    if (kind == MouseKind::Press || kind == MouseKind::DoubleClick) CKeyState::Press(vk);
    if (kind == MouseKind::Release) CKeyState::Release(vk);
    if (!widget->Wnd()) return;
    const QPoint global = event->globalPosition().toPoint();
    CWnd* target = CWnd::GetCapture();
    if (!target) {
        CWnd* top = widget->Wnd()->GetTopLevelParent();
        if (!top->IsWindowEnabled()) return;
        target = DeepestUnder(top, global);
    }
    g_cursorWidget = target->PlatformImpl().widget.data();
    CPoint client(global.x(), global.y());
    target->ScreenToClient(&client);
    if (!CWnd::GetCapture()) {
        CRect rect;
        target->GetClientRect(&rect);
        if (!rect.PtInRect(client)) return;
    }
    const bool doubleClicks = (target->PlatformImpl().classStyle & CS_DBLCLKS) != 0;
    const UINT message = MouseMessage(event->button(), kind, doubleClicks);
    PostInput(target, message, KeyFlags(event->buttons(), event->modifiers()),
              MAKELPARAM(client.x, client.y), global);
}

void CInputRouter::Wheel(CWindowWidget* widget, QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0 || !widget->Wnd()) return;
    const QPoint global = event->globalPosition().toPoint();
    CWnd* top = widget->Wnd()->GetTopLevelParent();
    if (!top->IsWindowEnabled()) return;
    CWnd* target = DeepestUnder(top, global);
    const WPARAM wParam =
        MAKEWPARAM(static_cast<int>(KeyFlags(event->buttons(), event->modifiers())),
                   std::clamp(delta, -32768, 32767));
    PostInput(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(global.x(), global.y()), global);
}

void CInputRouter::Key(CWindowWidget* widget, QKeyEvent* event, bool press) {
    FollowModifiers(event->modifiers());
    const int vk = VirtualKey(event->key());
    if (event->isAutoRepeat() && !press) return;
    if (vk) {
        if (press) {
            CKeyState::Press(vk);
        } else {
            CKeyState::Release(vk);
        }
    }
    CWnd* target = CWnd::GetFocus();
    if (!target && widget->Wnd()) target = widget->Wnd()->GetTopLevelParent();
    if (!target || !target->GetTopLevelParent()->IsWindowEnabled()) return;
    const QPoint global = QCursor::pos();
    if (vk) {
        LPARAM flags = 1;
        if (event->isAutoRepeat()) flags |= LPARAM{1} << 30;
        if (!press) flags |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
        PostInput(target, press ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk), flags, global);
    }
    if (!press) return;
    for (const char32_t c : event->text().toUcs4()) {
        if (c >= 32 || c == 8 || c == 9 || c == 13 || c == 27) {
            PostInput(target, WM_CHAR, static_cast<WPARAM>(c), 1, global);
        }
    }
}

void CInputRouter::Close(CWindowWidget* widget) {
    if (widget->Wnd()) CMessageLoop::Post(widget->Wnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

int CInputRouter::VirtualKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        default:
            return 0;
    }
}
