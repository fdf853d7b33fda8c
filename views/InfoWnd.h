#pragma once
// The information window, the bottom pane of the main view: the company
// pages with their selector above the message log. For now it lays the two
// out and draws only its class background.

#include <string>

#include "platform/ui/Wnd.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/InfoMesWnd.h"

class CInfoWnd : public CWnd {
public:
    // A line of the month's report in the default colour.
    void AddMessage(const std::string& text);
    // Places the pages and the log in a client area of cx by cy.
    void LayoutPanes(int cx, int cy);
    // The share of the height the pages take, per mille.
    int GetSplitRatio() const { return m_splitRatio; }

    CInfoDrawFrameWnd& GetPages() { return m_pages; }
    CInfoMesWnd& GetLog() { return m_log; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CInfoDrawFrameWnd m_pages;
    CInfoMesWnd m_log;
    int m_splitRatio = 600;
};
