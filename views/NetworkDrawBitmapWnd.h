#pragma once
// The picture of a play mode on the set-up pages: picture 0..3 of the
// application's play-mode strip, copied centred into the window.

#include "platform/ui/Wnd.h"

class CNetworkDrawBitmapWnd : public CWnd {
public:
    // 0 normal play, 1 hosting, 2 joining, 3 resuming; repaints.
    void SetPicture(int index);
    int GetPicture() const { return m_index; }

protected:
    void OnPaint() override;

private:
    int m_index = 0;
};
