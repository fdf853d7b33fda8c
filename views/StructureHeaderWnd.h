#pragma once
// The title strip above the structure list: "No.", "Name", "Price",
// "Employee".

#include "platform/ui/Wnd.h"

class CStructureHeaderWnd : public CWnd {
public:
    void Draw(CDC& dc, const CRect& client) const;

protected:
    void OnPaint() override;
};
