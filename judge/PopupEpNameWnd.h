#pragma once
// A small pop-up that shows a company's name in full. It hides itself as
// soon as the mouse leaves it.

#include <string>

#include "platform/ui/Wnd.h"

namespace judge {

class CPopupEpNameWnd : public CWnd {
public:
    void SetText(const std::string& text) { m_text = text; }
    const std::string& GetText() const { return m_text; }

protected:
    void OnPaint() override;
    void OnMouseMove(UINT flags, CPoint point) override;

private:
    std::string m_text;
};

}  // namespace judge
