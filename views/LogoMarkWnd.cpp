#include "views/LogoMarkWnd.h"

void CLogoMarkWnd::StartAnimation(int periodMs) {
    m_period = periodMs;
    m_animating = true;
}

void CLogoMarkWnd::StopAnimation() {
    m_animating = false;
}

void CLogoMarkWnd::StopAtLastFrame() {
    StopAnimation();
    if (IsWindow()) Invalidate(TRUE);
}
