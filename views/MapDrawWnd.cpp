#include "views/MapDrawWnd.h"

#include "game/VDoc.h"
#include "views/ViewHost.h"

void CMapDrawWnd::AttachDocument(CVDoc* doc, IViewHost* view) {
    m_doc = doc;
    m_view = view;
}

int CMapDrawWnd::GetCurrentArea() const {
    return m_view ? m_view->GetShownArea() : -1;
}

void CMapDrawWnd::Record(const char* name, int a, int b, int c) {
    m_calls.push_back({name, a, b, c});
}

int CMapDrawWnd::ResetCellTables() {
    Record("ResetCellTables");
    if (IsWindow()) Invalidate(TRUE);
    return 1;
}

int CMapDrawWnd::MarkCompanyCells(int company) {
    Record("MarkCompanyCells", company);
    return 0;
}

void CMapDrawWnd::FlushChangedCells(int redraw) {
    Record("FlushChangedCells", redraw);
}

int CMapDrawWnd::SetCursorCell(int mx, int my, BOOL redraw) {
    Record("SetCursorCell", mx, my, redraw ? 1 : 0);
    if (mx == m_cursorX && my == m_cursorY) return 0;
    m_cursorX = mx;
    m_cursorY = my;
    return 1;
}

int CMapDrawWnd::SetCursorSize(int cx, int cy) {
    Record("SetCursorSize", cx, cy);
    if (cx == m_cursorWidth && cy == m_cursorHeight) return 0;
    m_cursorWidth = cx;
    m_cursorHeight = cy;
    return 1;
}

void CMapDrawWnd::RebuildMap() {
    Record("RebuildMap");
}

void CMapDrawWnd::DrawCell(int mx, int my, int wide) {
    Record("DrawCell", mx, my, wide);
}

void CMapDrawWnd::HideBalloon() {
    Record("HideBalloon");
}

void CMapDrawWnd::AnimateTurn(int step, int mode) {
    // The direction the turn starts from goes with it.
    Record("AnimateTurn", step, mode, m_doc ? m_doc->GetViewDirection() : -1);
}
