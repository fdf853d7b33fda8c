#pragma once
// The company pages of the information window with their company selector.
// For now it keeps which company it was switched to and shows, and draws
// only its class background.

#include "platform/ui/Wnd.h"
#include "views/SelectInfoWnd.h"

class CInfoDrawFrameWnd : public CWnd {
public:
    // The company whose pages are shown; -1 none.
    int GetShownCompany() const { return m_shown; }
    // The company the pages were switched to; -1 none.
    int GetCompany() const { return m_company; }
    // Switches the pages to a company (selecting it in the selector).
    void SetCompany(int index);
    // Shows a company's pages (index < 0: the list of companies).
    void ShowCompany(int index, BOOL force);
    // Selects a company and shows it (-1: the own or the turn company).
    void SelectCompany(int index);
    // Brings every page up to date.
    void RefreshPages();
    int GetRefreshCount() const { return m_refreshCount; }

    CSelectInfoWnd& GetSelector() { return m_selector; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CSelectInfoWnd m_selector;
    int m_company = -1;
    int m_shown = -1;
    int m_refreshCount = 0;
};
