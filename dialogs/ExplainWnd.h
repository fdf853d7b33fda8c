#pragma once
// The explanation window: one part of the how-to-play texts over the game
// window. Until the typing of the texts exists it shows the part's lines at
// once and waits a skippable while.

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class CFont;

class CExplainWnd : public CWnd {
public:
    // Text set 0 is the introduction, set 1 the opening.
    static constexpr int kParts = 2;
    static constexpr int kShowMs = 3000;

    // The fonts of the lines: the third message font, the first, the second.
    void SetFonts(CFont* font3, CFont* message, CFont* message2);
    // Empties the window.
    void Clear() { m_lines.clear(); }
    // The part's lines (nothing for an unknown part).
    void Load(int part);
    // Shows the part and waits until the time is up or the reader skips it.
    void Run(int part);
    const std::vector<std::string>& GetLines() const { return m_lines; }

protected:
    void OnPaint() override;

private:
    std::vector<std::string> m_lines;
    std::vector<int> m_fonts;
    CFont* m_fontTable[3] = {nullptr, nullptr, nullptr};
};
