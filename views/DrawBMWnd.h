#pragma once
// A fixed picture: the application's report picture, centred in the
// window at its own size (cut equally on both sides when the window is
// smaller).

#include "platform/ui/Wnd.h"

class CDC;

class CDrawBMWnd : public CWnd {
public:
    static constexpr int kKindNone = 0;
    static constexpr int kKindReportPicture = 1;

    void SetKind(int kind) { m_kind = kind; }
    int GetKind() const { return m_kind; }
    void DrawPicture(CDC& dc, int clientWidth, int clientHeight) const;

protected:
    void OnPaint() override;

private:
    int m_kind = kKindNone;
};
