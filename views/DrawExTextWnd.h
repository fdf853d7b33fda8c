#pragma once
// A text window that keeps the whole history of the runs appended to it
// and always shows the newest lines that fit (the newest line alone when
// even that is taller than the window), without scroll bars. A resize
// refills it.

#include <string>
#include <vector>

#include "views/DrawTextWnd.h"

class CDrawExTextWnd : public CDrawTextWnd {
public:
    // Appends a run to the history: with newLine on a new line at x 0,
    // else after the last run of the last line. The first run always opens
    // a line. TRUE, or FALSE when memory runs out.
    BOOL AddText(const std::string& text, COLORREF colour, CFont* font, BOOL newLine, int mark);
    // Refills the window with the newest lines and repaints it at once.
    void Refresh();
    // Empties the history; the caller clears the window too.
    void Clear();
    void SetRefreshOnResize(int flag) { m_refreshOnResize = flag; }

    int GetHistoryLineCount() const { return static_cast<int>(m_lineHeights.size()); }
    const std::vector<int>& GetHistoryLineHeights() const { return m_lineHeights; }
    // The history line shown as the window's line 0; -1 when nothing is.
    int GetTopLine() const { return m_topLine; }

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    void Refill();

    std::vector<int> m_centred;
    std::vector<int> m_lineHeights;
    std::vector<SRun> m_history;
    int m_refreshOnResize = 1;
    int m_topLine = -1;
};
