#pragma once
// The owner-drawn button of the text pane (the prompt and the results
// button): its text centred on a system colour that the prompt's blinking
// changes.

#include "platform/gfx/SystemColors.h"
#include "platform/ui/Button.h"

namespace judge {

class CNextBtn : public CButton {
public:
    void SetColorIndex(int index) { m_colorIndex = index; }
    int GetColorIndex() const { return m_colorIndex; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;

private:
    int m_colorIndex = COLOR_BTNFACE;
};

}  // namespace judge
