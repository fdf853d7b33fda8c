#pragma once
// The main frame's status bar: it keeps a text of its own, which it shows
// whenever the framework would show its idle prompt ("For Help, press F1").

#include <string>

#include "platform/ui/StatusBar.h"

class CMyStatusBar : public CStatusBar {
public:
    // Keeps the text and shows it in the first pane.
    void SetKeptText(const std::string& text);
    const std::string& GetKeptText() const { return m_keptText; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string m_keptText;
};
