#include "shell/MainBar.h"

#include <iterator>

#include "platform/ui/Size.h"
#include "platform/ui/Styles.h"

bool CMainBar::Create(CWnd* parent, const CBitmap* faces) {
    if (!faces) return false;
    if (!CToolBar::Create(parent, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, kBarId))
        return false;
    SetSizes(CSize(40, 38), CSize(32, 30));
    SetBitmap(faces);
    return SetButtons(kButtons, static_cast<int>(std::size(kButtons))) != FALSE;
}
