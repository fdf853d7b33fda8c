#pragma once
// The strip of buttons at the foot of the network window while a network
// game gathers: "Start" (the host only) begins the game with whoever is
// connected, "Cancel" leaves the gathering or ends the game. The network
// window creates it, tells it whether this machine hosts and sizes it.

#include "platform/ui/Button.h"
#include "platform/ui/Wnd.h"

class CStartNetworkBtnWnd : public CWnd {
public:
    static constexpr UINT kStartId = 1000;
    static constexpr UINT kCancelId = 1001;
    static constexpr const char* kStartQuestion = "Start Game";
    static constexpr const char* kStartWithoutAllQuestion = "Start game without all players.";
    static constexpr const char* kEndQuestion = "End Game";

    // Whether "Start" is shown (this machine hosts).
    void SetStartShown(int shown) { m_startShown = shown; }
    int IsStartShown() const { return m_startShown; }
    // Places the buttons in a strip of that size; -1, -1: the client size.
    void Layout(int width, int height);

    CButton& GetStartButton() { return m_start; }
    CButton& GetCancelButton() { return m_cancel; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnStart();
    void OnCancel();

    CButton m_start;
    CButton m_cancel;
    int m_startShown = 0;
};
