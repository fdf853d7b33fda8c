#pragma once
// The building kinds a construction dialog offers: number, the kind's
// picture in the current view direction, name, price and employees; an
// entry the company cannot build now is drawn unavailable.

#include "views/OwnerDrawList.h"

class CBD;
class CVDoc;
class IStructureListOwner;

class CStructureListBox : public COwnerDrawList {
public:
    // The active document of the application at construction.
    CStructureListBox();

    void SetOwnerDialog(const IStructureListOwner* owner) { m_owner = owner; }
    // One item, two text lines high, per entry of the owner; selects nothing.
    void Fill();
    int StateOfRow(int row, bool selected) const override;

    // The size a picture of pw x ph takes in a box of bw x bh: fitted to
    // the box keeping its shape, never enlarged; 0 x 0 for an empty one.
    static CSize FitPicture(int pw, int ph, int bw, int bh);
    // Draws the type's picture for the document's view direction centred
    // in the box, over what the box holds; nothing when the type has no
    // picture there.
    void DrawPicture(CDC& dc, const CBD& type, const CRect& box) const;

protected:
    bool HasRow(int row) const override;
    void DrawRow(CDC& dc, int row, const CRect& rect, int state) const override;

private:
    const CBD* TypeOfRow(int row) const;
    CVDoc* m_document;
    const IStructureListOwner* m_owner = nullptr;
};
