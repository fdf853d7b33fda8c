#pragma once
// One button of the company selector, drawn by itself: "Company list" for
// selector entry 0, else the company's colour mark and name; the selected
// entry stands pressed in the caption colours. A click selects its entry,
// Up and Down move the keyboard focus along the column (scrolling it), Tab
// goes to the pages' tab strip.

#include "platform/ui/Button.h"

class CSelectInfoWnd;

class CInfoBtn : public CButton {
public:
    explicit CInfoBtn(CSelectInfoWnd& selector) : m_selector(selector) {}

    // The selector entry the button shows; -1 while it shows nothing.
    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    CSelectInfoWnd& m_selector;
    int m_index = -1;
};
