#pragma once
// A company shown with its colour mark and name (and its president's name
// on a second line), with an optional caption below, or the caption alone
// in the bold message font (the director line of the area selection
// window). Placed from the layout width at the top, or centred.

#include <string>

#include "platform/ui/Point.h"
#include "views/DrawSourceWnd.h"

class CDC;

class CDrawEPWnd : public CDrawSourceWnd {
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
    // Set (the default): the president's name under the company's.
    void SetSecondLine(int flag) { m_secondLine = flag; }
    // Set: the content is centred in the window.
    void SetCentred(int flag) { m_centred = flag; }

    void DrawContent(CDC& dc, int clientWidth, int clientHeight) const;

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;

private:
    int m_secondLine = 1;
    int m_centred = 0;
    CPoint m_clientSize{0, 0};
    int m_company = 0;
    std::string m_text;
    int m_textOnly = 0;
};
