#pragma once
// The title strip above the structure list: "No.", "Name", "Price",
// "Employee".

#include "views/HeaderStripWnd.h"

class CStructureHeaderWnd : public CHeaderStripWnd {
public:
    void Draw(CDC& dc, const CRect& client) const override;
};
