#pragma once
// The message log of the information window: the report lines of the
// month, 100 at most (the 101st pushes the oldest out), each in the default
// text colour or a company colour, the newest at the bottom. A new line
// scrolls the picture up, a pixel row at a time when asked, and only its
// own row is drawn; the whole window is repainted only when the user had
// scrolled back. The scroll bar shows once more lines are stored than fit.
// The network window keeps a second log of this class for its status lines.

#include <array>
#include <string>
#include <vector>

#include "platform/ui/GdiDefs.h"
#include "platform/ui/Wnd.h"

class CDC;

class CInfoMesWnd : public CWnd {
public:
    static constexpr int kMaxLines = 100;
    // The wait of the smooth scroll per pixel row, through the platform
    // clock (MERCAVO_TIME_SCALE=0 makes it instant).
    static constexpr int kSmoothStepMs = 10;

    struct SLine {
        std::string text;
        int colour = -1;  // a colour-table index; -1 the default colour
    };

    CInfoMesWnd();

    // Appends one line: the view returns to the newest lines, the picture
    // scrolls up one line (pixel row by pixel row when smooth) and the text
    // is drawn in the freed bottom row.
    void AddMessage(const std::string& text, int smooth = 1, int colour = -1);
    // Empties all lines and repaints at once.
    void Clear();
    // Scrolls the picture and the stored lines n lines older (n in 1..100);
    // the n newest lines become empty.
    void ScrollLines(int n, int smooth);

    // The stored lines, oldest first.
    std::vector<SLine> GetLines() const;
    int GetStoredCount() const { return m_stored; }
    // Whole lines that fit while the scroll bar shows; 0 without the bar.
    int GetVisibleCount() const { return m_visible; }
    // 0 shows the oldest lines, stored - visible the newest.
    int GetScrollPosition() const { return m_position; }
    // The colour a line's colour index is drawn in: the button text colour
    // for -1 and for anything outside the colour table.
    static COLORREF LineColour(int colour);
    // The height of a line: the application's layout height.
    static int LineHeight();

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnPaint() override;

private:
    // Sets the scroll bar for the stored lines and the client height and
    // returns the view to the newest line.
    void UpdateScrollState();
    bool IsAtNewest() const { return m_position == m_stored - m_visible; }
    void RepaintNow();
    void ScrollPicture(int n, int smooth);
    // Draws one line (or an empty row for an index outside the store) in
    // the row rectangle.
    void DrawRow(CDC& dc, const RECT& row, const std::string& text, int colour) const;

    int m_visible = 0;
    std::array<std::string, kMaxLines> m_lines;
    std::array<int, kMaxLines> m_colours;
    int m_stored = 0;
    int m_position = 0;
};
