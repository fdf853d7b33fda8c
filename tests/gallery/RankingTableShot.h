#pragma once
// The total ranking table over the company rows, shown with its strip and
// sized to a number of company columns and step rows, scrolled to a first
// company column and step row: the pictures of the gallery's ranking strip.

#include "judge/ArboView.h"
#include "judge/EpDrawFrameWnd.h"
#include "judge/ShowTotalPoint.h"
#include "platform/ui/Messages.h"

inline judge::CShowTotalPoint& ShowRankingStrip(judge::CArboView& view, int columns, int rows,
                                                int firstColumn, int firstRow) {
    judge::CEpDrawFrameWnd& pane = view.GetCompanyPane().GetRows();
    pane.ShowOverlay();
    judge::CShowTotalPoint& table = pane.GetOverlay();
    table.SendMessage(WM_COMMAND, judge::CShowTotalPoint::kButtonId, 0);
    const judge::CShowTotalPoint::SMeasures m = table.Measures();
    pane.MoveWindow(0, 0, m.Left() + columns * m.columnWidth + 30, m.Head() + rows * m.rowHeight,
                    TRUE);
    table.SetFirstColumn(firstColumn);
    table.SetFirstRow(firstRow);
    return table;
}
