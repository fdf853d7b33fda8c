#pragma once
// The animated company logo: the logo strip's frames over the background
// tile, one frame a timer tick, composed off screen so that it does not
// flicker. In mark mode it shows the six-frame mark animation on black
// instead; with the plain flag the logo stands on the plain button face.

#include "platform/ui/Rect.h"
#include "platform/ui/Size.h"
#include "platform/ui/Wnd.h"

class CDC;

class CLogoMarkWnd : public CWnd {
public:
    static constexpr UINT_PTR kTimer = 1;
    // The logo's animated phases, and the still last frame.
    static constexpr int kPhases = 7;
    static constexpr int kLastFrame = 7;
    static constexpr int kMarkFrames = 6;

    // Runs the animation with a frame every `periodMs`; the first tick
    // shows phase 0.
    void StartAnimation(UINT periodMs);
    // The last shown frame stays.
    void StopAnimation();
    // Stops and shows the logo's still last frame.
    void StopAtLastFrame();
    // Set by the owner before the window shows.
    void SetMarkMode(int mode) { m_markMode = mode; }
    void SetPlainMode(int plain) { m_plain = plain; }

    // -1 before the first start.
    int GetPhase() const { return m_phase; }
    UINT GetPeriod() const { return m_period; }
    bool IsAnimating() const { return m_animating; }

    // Where a logo of `logo` size goes in a client area: centred when it
    // fits, else from the left (top) edge squeezed to the client's size.
    static CRect LogoRect(CSize client, CSize logo);
    // The current frame into dc over a client area of width x height.
    void DrawFrame(CDC& dc, int width, int height) const;

protected:
    void OnTimer(UINT_PTR id) override;
    void OnClose() override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnPaint() override;

private:
    void DrawLogo(CDC& dc, int width, int height) const;
    void DrawMark(CDC& dc, int width, int height) const;

    int m_phase = -1;
    int m_markMode = 0;
    int m_plain = 0;
    UINT m_period = 0;
    bool m_animating = false;
};
