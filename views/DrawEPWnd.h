#pragma once
// A company shown with its colour mark and name, or a line of text in its
// place (the director line of the area selection window). For now it keeps
// what it is given and draws only its class background.

#include <string>

#include "platform/ui/Wnd.h"

class CDrawEPWnd : public CWnd {
public:
    // The company shown; -1 nothing.
    void SetEnterprise(int company) { m_company = company; }
    int GetEnterprise() const { return m_company; }
    // The caption: a text shown below (or, text-only, instead of) the company.
    void SetText(const std::string& text);
    void ClearText();
    const std::string& GetText() const { return m_text; }
    // Set: only the caption is shown.
    void SetTextOnly(int flag) { m_textOnly = flag; }
    int IsTextOnly() const { return m_textOnly; }

private:
    int m_company = 0;
    std::string m_text;
    int m_textOnly = 0;
};
