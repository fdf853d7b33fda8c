#pragma once
// The animated logo: seven frames of the logo bitmap (400), one per tick.

#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CLogoMarkWnd : public CWnd {
public:
    static constexpr int kFrames = 7;
    static constexpr UINT_PTR kTimer = 1;

    // Restarts the animation at frame 0 with a tick every ms milliseconds.
    void SetInterval(UINT ms);
    int GetFrame() const { return m_frame; }
    // Frame `frame` centred in a width x height area of dc.
    static void DrawFrame(CDC& dc, int frame, int width, int height);

protected:
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnDestroy() override;

private:
    int m_frame = 0;
};

}  // namespace judge
