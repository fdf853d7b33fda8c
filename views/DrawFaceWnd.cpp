#include "views/DrawFaceWnd.h"

#include "game/VDoc.h"
#include "model/PersonData.h"
#include "platform/ui/PaintDC.h"

BOOL CDrawFaceWnd::SetPerson(int n) {
    const BOOL changed = n != m_person;
    m_person = n;
    ShowPicture(n >= 1);
    return changed;
}

CRect CDrawFaceWnd::FaceTarget(CSize picture, CSize client) {
    const bool fits = picture.cx <= client.cx && picture.cy <= client.cy;
    const bool fills = picture.cx * 10 >= client.cx * 7 && picture.cy * 10 >= client.cy * 7;
    const CSize size = fits && fills ? picture : client;
    const int left = (client.cx - size.cx) / 2;
    const int top = (client.cy - size.cy) / 2;
    return CRect(left, top, left + size.cx, top + size.cy);
}

const CPersonData* CDrawFaceWnd::GetShownPerson() const {
    CVDoc* doc = SourceDocument();
    if (!doc || m_person < 1) return nullptr;
    return m_governors ? doc->GetGovernor(m_person - 1) : doc->GetDirector(m_person - 1);
}

void CDrawFaceWnd::DrawPicture(CDC& dc, int clientWidth, int clientHeight) const {
    const CPersonData* person = GetShownPerson();
    if (!person) return;
    const int face = person->GetFaceIndexForAge();
    if (face < 0 || face >= CPersonData::kFaceCount) return;
    const CBM& picture = person->GetFace(face);
    const CRect target = FaceTarget(CSize(picture.GetWidth(), picture.GetHeight()),
                                    CSize(clientWidth, clientHeight));
    person->DrawFace(dc, target.left, target.top, target.right, target.bottom, face);
}

void CDrawFaceWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawPicture(dc, client.Width(), client.Height());
}
