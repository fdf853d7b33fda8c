// The map window's screen effects: the earthquake that shakes the picture
// and the outline that turns when the view direction changes. Both draw on
// the window directly and leave the picture as it was.

#include "game/VDoc.h"
#include "model/Wait.h"
#include "model/services/Services.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/GdiObject.h"
#include "platform/ui/Palette.h"
#include "views/MapDrawWnd.h"
#include "views/TurnOutline.h"
#include "views/ViewHost.h"

namespace {
constexpr int kShakeEffect = 0;
constexpr int kShakeWaitMs = 500;
constexpr int kTurnSteps = 30;
// Outlines drawn per step; each is erased three steps later.
constexpr int kTurnDrawn = 27;
constexpr int kTurnTrail = 3;

void DrawOutline(CDC& dc, const CTurnOutline::SCorners& corners) {
    POINT points[5] = {corners[0], corners[1], corners[2], corners[3], corners[0]};
    dc.Polyline(points, 5);
}
}  // namespace

void CMapDrawWnd::ShakeMap(int strength) {
    Record("ShakeMap", strength);
    if (!IsWindow()) return;
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int shift = 2 * strength;
    const int width = client.Width() - shift;
    // Shifting rows back and forth smears the strips at the edges: the
    // picture is kept and put back afterwards.
    CBitmap kept;
    CDC keptDC;
    const bool keep = width > 0 && client.Height() > 0 && keptDC.CreateCompatibleDC(nullptr) &&
                      kept.CreateBitmap(client.Width(), client.Height());
    CBitmap* oldKept = nullptr;
    if (keep) {
        oldKept = keptDC.SelectObject(&kept);
        keptDC.BitBlt(0, 0, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    }
    const int repetitions = strength < 3 ? 4 : 6;
    const int noPump = IsNetworkClient();
    bool startFlag = false;
    for (int r = 0; r < repetitions; ++r) {
        if (r % 2 == 0) Services::Frame().PlayEffect(kShakeEffect);
        startFlag = !startFlag;
        bool rowFlag = startFlag;
        // A window narrower than the shift has nothing to move.
        for (int y = client.bottom - 1; width > 0 && y >= client.top; --y) {
            rowFlag = !rowFlag;
            dc.BitBlt(rowFlag ? shift : 0, y, width, 1, &dc, rowFlag ? 0 : shift, y, SRCCOPY);
        }
        WaitMilliseconds(kShakeWaitMs, noPump, 0);
    }
    if (keep) {
        dc.BitBlt(0, 0, client.Width(), client.Height(), &keptDC, 0, 0, SRCCOPY);
        keptDC.SelectObject(oldKept);
    }
}

void CMapDrawWnd::AnimateTurn(int step, int stepMs) {
    // The direction the turn starts from goes with it.
    Record("AnimateTurn", step, stepMs, m_doc ? m_doc->GetViewDirection() : -1);
    if (step == 0 || !IsWindow() || !m_doc) return;
    const CMapGeometry from = GetGeometry();
    if (!from.GetArea()) return;
    static const CMapDoc empty;
    const CMapDoc* map = GetMapDoc();
    CMapGeometry to(map ? *map : empty, GetCurrentArea(),
                    ((from.GetDirection() + step) % 4 + 4) % 4, from.GetZoom());
    to.SetScroll(m_scrollX, m_scrollY);
    // The outline runs through the reference points of the view cells just
    // outside the grid's corners.
    auto outline = [](const CMapGeometry& g) {
        const int c = g.GetViewColumns(), r = g.GetViewRows();
        const CCellPoint cells[4] = {{-1, -1}, {-1, r - 1}, {c - 1, r - 1}, {c - 1, -1}};
        CTurnOutline::SCorners corners{};
        for (size_t i = 0; i < 4; ++i)
            corners[i] = {g.GetCellScreenX(cells[i].x, cells[i].y),
                          g.GetCellScreenY(cells[i].x, cells[i].y, 0)};
        return corners;
    };
    const CTurnOutline turn(outline(from), outline(to), step);
    CClientDC dc(this);
    CPalette* palette = m_view ? m_view->GetPalette() : nullptr;
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    CGdiObject* oldPen = dc.SelectStockObject(BLACK_PEN);
    // Drawing an outline twice in this mode takes it away again.
    const int oldMode = dc.SetROP2(R2_NOTXORPEN);
    for (int q = 0; q < kTurnSteps; ++q) {
        if (q < kTurnDrawn) DrawOutline(dc, turn.At(q, kTurnDrawn));
        if (q >= kTurnTrail) DrawOutline(dc, turn.At(q - kTurnTrail, kTurnDrawn));
        WaitMilliseconds(stepMs, 1, 0);
    }
    dc.SetROP2(oldMode);
    if (oldPen) dc.SelectObject(oldPen);
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
}
