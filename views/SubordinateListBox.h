#pragma once
// The directors and outside parties a person dialog offers: a person row
// with, when its entry asks for it, the colour mark of the person's
// employer, then the name and the entry's extra text; an outside row with
// the company's mark and name.

#include "views/OwnerDrawList.h"

class CVDoc;
class IPersonListOwner;

class CSubordinateListBox : public COwnerDrawList {
public:
    // The active document of the application at construction.
    CSubordinateListBox();

    void SetOwnerDialog(const IPersonListOwner* owner) { m_owner = owner; }
    // One item per person entry (mark-cell high with the mark flag, text
    // high without), then one mark-cell high item per outside entry.
    void Fill();
    int GetRowCount() const;
    int StateOfRow(int row, bool selected) const override;

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    void DrawPerson(CDC& dc, int entry, const CRect& rect, int state) const;
    void DrawOutside(CDC& dc, int row, const CRect& rect, int state) const;
    CVDoc* m_document;
    const IPersonListOwner* m_owner = nullptr;
};
