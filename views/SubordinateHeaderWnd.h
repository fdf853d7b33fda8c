#pragma once
// The title strip above the person list: "Name" and "Work" for header
// kind 0, "Stock" for kind 1, nothing for any other kind.

#include "views/HeaderStripWnd.h"

class IPersonListOwner;

class CSubordinateHeaderWnd : public CHeaderStripWnd {
public:
    void SetOwnerDialog(const IPersonListOwner* owner) { m_owner = owner; }
    void Draw(CDC& dc, const CRect& client) const override;

private:
    const IPersonListOwner* m_owner = nullptr;
};
