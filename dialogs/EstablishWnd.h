#pragma once
// The founding window of a new game. Until the founding phase exists it
// only ends the phase: the first time it is enabled or told to run the
// phase by itself (0x501), whichever comes first, it reports the end once.

#include <functional>

#include "platform/ui/Wnd.h"

class CEstablishWnd : public CWnd {
public:
    // Tells the window to run the founding phase by itself.
    static constexpr UINT WM_RUN_FOUNDING = 0x501;
    static constexpr UINT kChildId = 1003;
    static constexpr const char* kClassName = "VELMO_3DFaceWindow";

    // ended: called once at the end of the phase.
    explicit CEstablishWnd(std::function<void()> ended) : m_ended(std::move(ended)) {}
    // The window as a disabled child over the rectangle of the parent.
    bool Open(CWnd* parent, const CRect& rect);
    bool HasEnded() const { return m_done; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void End();

    std::function<void()> m_ended;
    bool m_done = false;
};
