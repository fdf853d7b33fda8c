#pragma once
// A person's line: the colour mark and name of the director's company and
// the director's name, in the message font, from the directors' table of
// the active document.

#include "platform/ui/Point.h"
#include "platform/ui/Wnd.h"

class CDC;

class CDrawPDWnd : public CWnd {
public:
    // The director shown; -1 none.
    void SetPersonIndex(int index) { m_person = index; }
    int GetPersonIndex() const { return m_person; }
    void DrawLine(CDC& dc, int clientWidth, int clientHeight) const;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;

private:
    CPoint m_clientSize{0, 0};
    int m_person = -1;
};
