#include "platform/ui/ClientDC.h"

#include "platform/ui/detail/DCImpl.h"
#include "platform/ui/detail/UiSystem.h"

CClientDC::CClientDC(CWnd* wnd) {
    CUiSystem::Ensure();
    m_impl->kind = wnd ? Impl::Kind::Window : Impl::Kind::None;
    m_impl->wnd = wnd;
}
