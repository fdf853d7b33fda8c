#pragma once
// A header strip that tells its parent when a column's divider drag ends
// (WM_BLOCK_HEADER_RESIZED, also when the width did not change) and which
// column was clicked (WM_BLOCK_HEADER_CLICKED, wParam = the column).

#include "platform/ui/HeaderCtrl.h"

class CMyHeaderCtrl : public CHeaderCtrl {
public:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
