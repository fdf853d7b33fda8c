#include "views/MyHeaderCtrl.h"

#include "views/BlockMessages.h"

BOOL CMyHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHEADER*>(lParam);
    CWnd* parent = GetParent();
    if (message == WM_NOTIFY && header && parent) {
        if (header->hdr.code == HDN_ENDTRACK) parent->PostMessage(WM_BLOCK_HEADER_RESIZED, 0, 0);
        if (header->hdr.code == HDN_ITEMCLICK)
            parent->PostMessage(WM_BLOCK_HEADER_CLICKED, static_cast<WPARAM>(header->iItem), 0);
    }
    // The header's own handling follows in every case.
    return CHeaderCtrl::OnChildNotify(message, wParam, lParam, result);
}
