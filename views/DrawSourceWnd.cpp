#include "views/DrawSourceWnd.h"

#include "views/BlockHost.h"

CVDoc* CDrawSourceWnd::SourceDocument() const {
    if (m_source != 0) return reinterpret_cast<CVDoc*>(m_source);
    IBlockHost* host = IBlockHost::Get();
    return host ? host->GetActiveDocument() : nullptr;
}

void CDrawSourceWnd::ShowPicture(bool shown) {
    if (!IsWindow()) return;
    ShowWindow(shown ? SW_SHOW : SW_HIDE);
    if (shown) Invalidate(TRUE);
}
