#include "platform/ui/WindowDC.h"

#include "platform/gfx/DCImpl.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/WindowSurface.h"

CWindowDC::CWindowDC(CWnd* wnd) {
    CUiSystem::Ensure();
    m_impl->kind = wnd ? Impl::Kind::Window : Impl::Kind::None;
    if (wnd) m_impl->window = std::make_unique<CWindowSurface>(wnd, true);
}
