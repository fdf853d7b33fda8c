#include "platform/ui/PaintDC.h"

#include "platform/gfx/DCImpl.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WindowList.h"
#include "platform/ui/detail/WindowSurface.h"
#include "platform/ui/detail/WndImpl.h"

CPaintDC::CPaintDC(CWnd* wnd) {
    CUiSystem::Ensure();
    if (!wnd || !wnd->IsWindow()) return;
    m_impl->kind = Impl::Kind::Window;
    CWnd::Impl& wi = wnd->PlatformImpl();
    const QRect bounds = wi.invalid.boundingRect();
    m_ps.rcPaint = bounds.isEmpty() ? CRect() : CUiSystem::FromQRect(bounds);
    m_ps.fErase = FALSE;
    m_impl->window = std::make_unique<CWindowSurface>(wnd, false, bounds);
    const bool erase = wi.erasePending;
    wnd->ValidateRect(nullptr);
    if (erase) {
        const LRESULT erased = wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(this));
        m_ps.fErase = erased ? FALSE : TRUE;
    }
}
