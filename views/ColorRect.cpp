#include "views/ColorRect.h"

#include "model/PaletteScope.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"

void CColorRect::OnPaint() {
    CPaintDC dc(this);
    IBlockHost* host = IBlockHost::Get();
    CPaletteScope palette(dc, host ? host->GetPalette() : nullptr);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetColour());
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

int CColorRect::RunColourDialog(CColorDialog& dialog) {
    return dialog.DoModal();
}

void CColorRect::OnLButtonUp(UINT flags, CPoint point) {
    CWnd::OnLButtonUp(flags, point);
    IBlockHost* host = IBlockHost::Get();
    COLORREF custom[IBlockHost::kCustomColourCount] = {};
    for (int i = 0; i < IBlockHost::kCustomColourCount; ++i)
        custom[i] = host ? host->GetCustomColour(i) : RGB(255, 255, 255);
    CColorDialog dialog(GetColour(), CC_RGBINIT | CC_FULLOPEN, this);
    dialog.m_cc.lpCustColors = custom;
    if (RunColourDialog(dialog) != IDOK) return;
    SetColour(dialog.GetColor());
    if (host)
        for (int i = 0; i < IBlockHost::kCustomColourCount; ++i) host->SetCustomColour(i, custom[i]);
    Invalidate(TRUE);
}
