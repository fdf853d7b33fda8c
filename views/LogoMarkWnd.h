#pragma once
// The animated company logo at the top of the area selection window. For
// now it keeps its animation state and draws only its class background.

#include "platform/ui/Wnd.h"

class CLogoMarkWnd : public CWnd {
public:
    // Runs the animation with a frame every `periodMs`.
    void StartAnimation(int periodMs);
    void StopAnimation();
    // Stops and keeps the last frame of the logo.
    void StopAtLastFrame();

    bool IsAnimating() const { return m_animating; }
    int GetPeriod() const { return m_period; }

private:
    bool m_animating = false;
    int m_period = 0;
};
