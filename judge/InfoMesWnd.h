#pragma once
// The message log: up to 100 coloured lines, the newest at the bottom. A
// new line scrolls the older ones up (smoothly, a pixel at a time, when
// asked); the scroll bar reaches back through the lines held.

#include <array>
#include <string>

#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CInfoMesWnd : public CWnd {
public:
    static constexpr int kLines = 100;
    // Milliseconds a pixel of smooth scrolling takes.
    static constexpr int kSmoothStepMs = 10;

    // colour: a company colour index, or -1 for the button-text colour.
    void AddMessage(const std::string& text, bool smooth, int colour);
    void Clear();
    // Moves the lines up by n; the n newest become empty.
    void ScrollUp(int n, bool smooth);
    void UpdateScrollBar();

    // Line i (0 = the newest) and its colour.
    const std::string& GetLine(int i) const { return m_lines[static_cast<size_t>(i)]; }
    int GetLineColour(int i) const { return m_colours[static_cast<size_t>(i)]; }
    int GetHeldLines() const { return m_held; }
    int GetScrollBack() const { return m_scrollBack; }
    // Paints the visible lines into a width x height area of dc.
    void DrawLines(CDC& dc, int width, int height) const;

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;

private:
    static int LineHeight();
    int VisibleLines() const;

    std::array<std::string, kLines> m_lines;
    std::array<int, kLines> m_colours = MakeColours();
    int m_held = 0;
    int m_scrollBack = 0;

    static std::array<int, kLines> MakeColours() {
        std::array<int, kLines> colours;
        colours.fill(-1);
        return colours;
    }
};

}  // namespace judge
