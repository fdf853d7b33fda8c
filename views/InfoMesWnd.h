#pragma once
// The message log of the information window: the report lines of the
// month, 100 at most (the oldest goes first). For now it keeps the lines
// it is given and draws only its class background.

#include <deque>
#include <string>

#include "platform/ui/Wnd.h"

class CInfoMesWnd : public CWnd {
public:
    static constexpr int kMaxLines = 100;

    struct SLine {
        std::string text;
        int colour = -1;  // a company colour index; -1 the default colour
    };

    // Appends one line; smooth asks for the line to scroll in.
    void AddMessage(const std::string& text, int smooth = 1, int colour = -1);
    // Empties the log and repaints it.
    void Clear();

    const std::deque<SLine>& GetLines() const { return m_lines; }

private:
    std::deque<SLine> m_lines;
};
