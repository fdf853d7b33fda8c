#pragma once
// The six-line message window of the company founding phase: messages are
// written one below the other, and the text scrolls up smoothly, one pixel
// row at a time, when the window is full or when the owner asks for blank
// lines.

#include <array>
#include <string>

#include "platform/ui/Wnd.h"

class CProgressMesWnd : public CWnd {
public:
    static constexpr int kLines = 6;
    // The pause between two pixel rows of the smooth scroll.
    static constexpr int kScrollStepMs = 10;

    // Writes the text in the next row; a full window scrolls one line.
    void AddMessage(const std::string& text);
    // Scrolls the text up n lines; the next message goes n - 1 rows below
    // the last one written.
    void ScrollLines(int n);

    const std::string& GetLine(int row) const { return m_lines.at(static_cast<size_t>(row)); }
    int GetCurrentLine() const { return m_current; }

protected:
    void OnPaint() override;

private:
    // Rows that fit: whole rows of the client area, 1 to 6.
    int RowsThatFit() const;
    int LineHeight() const;

    std::array<std::string, kLines> m_lines;
    int m_current = 0;
};
