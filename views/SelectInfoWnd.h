#pragma once
// The company selector beside the company pages: one button per company.
// For now it remembers what it was asked to show and draws only its class
// background.

#include "platform/ui/Wnd.h"

class CSelectInfoWnd : public CWnd {
public:
    // Scrolls back to the first company and lays the buttons out again.
    void ResetSelection();
    // Selects entry `index` (company + 1; 0 = the list of companies).
    void Select(int index, BOOL redraw);

    int GetSelected() const { return m_selected; }
    int GetFirst() const { return m_first; }

private:
    int m_selected = 0;
    int m_first = 0;
};
