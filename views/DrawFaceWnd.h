#pragma once
// A person's face, chosen by age, from the directors' or the governors'
// table of the active document (or of the document its source names). A
// face that fills most of the window keeps its own size; any other is
// fitted to the whole window.

#include "platform/ui/Rect.h"
#include "platform/ui/Size.h"
#include "views/DrawSourceWnd.h"

class CDC;
class CPersonData;

class CDrawFaceWnd : public CDrawSourceWnd {
public:
    // n = person number + 1; below 1 hides the window. Shows and repaints
    // it otherwise, even for the same person. Whether the value changed.
    BOOL SetPerson(int n);
    int GetPerson() const { return m_person; }
    // 0: the directors' table; nonzero: the governors'.
    void SetPersonTable(int governors) { m_governors = governors; }

    // Where a picture of a size goes in a client area: its own size when
    // it fits and fills at least 0.7 of the area both ways, else the whole
    // area; centred.
    static CRect FaceTarget(CSize picture, CSize client);
    const CPersonData* GetShownPerson() const;
    void DrawPicture(CDC& dc, int clientWidth, int clientHeight) const;

protected:
    void OnPaint() override;

private:
    int m_governors = 0;
    int m_person = 0;
};
