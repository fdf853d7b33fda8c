#include "platform/ui/WindowDC.h"

#include "platform/ui/detail/DCImpl.h"
#include "platform/ui/detail/UiSystem.h"

CWindowDC::CWindowDC(CWnd* wnd) {
    CUiSystem::Ensure();
    m_impl->kind = wnd ? Impl::Kind::Window : Impl::Kind::None;
    m_impl->wnd = wnd;
    m_impl->wholeWindow = true;
}
