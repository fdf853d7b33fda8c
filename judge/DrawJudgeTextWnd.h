#pragma once
// The announcement's text pane: running text anchored at the bottom (the
// newest lines stay in view), lines that can be centred, the blinking
// prompt that moves the announcement on and, after it, the results button.

#include <vector>

#include "judge/DrawTextWnd.h"
#include "judge/NextBtn.h"

namespace judge {

class CDrawJudgeTextWnd : public CDrawTextWnd {
public:
    static constexpr UINT kPromptId = 1000;
    static constexpr UINT kNextId = 1001;
    static constexpr UINT_PTR kBlinkTimer = 1;
    static constexpr UINT kBlinkMs = 1000;
    static constexpr const char* kResultsText = "Contribution Results";
    // A file named by this variable receives every line the pane shows.
    static constexpr const char* kTranscriptVariable = "MERCAVO_JUDGE_TRANSCRIPT";

    // The pane (class "MERCAVO_JUDGE_3DFaceWindow", id 1001) and its two
    // buttons.
    bool CreatePane(CWnd* parent, UINT id);

    // Shows the prompt (with text, or its current text for nullptr) or
    // hides it.
    void ShowPrompt(bool show, const char* text);
    bool IsPromptShown() const { return m_promptShown; }
    // One blink: the prompt's colour alternates 2 and 15, starting with 2.
    void Blink();
    void ShowContributionResults();
    void CenterLastLine();
    bool IsLineCentred(int line) const;

    void Refresh() override;
    // Bottom anchoring and centring for the client size.
    void Relayout();

    CNextBtn& GetPrompt() { return m_prompt; }
    CNextBtn& GetNextButton() { return m_next; }
    // Where the prompt goes for a text of w x h in a client of the given
    // size (character width cw, height ch).
    static CRect PromptRect(const CRect& client, CSize text, int cw, int ch);

protected:
    void OnLineEnded(int line) override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR id) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CNextBtn m_prompt;
    CNextBtn m_next;
    std::vector<bool> m_centred;
    bool m_promptShown = false;
    bool m_blinkPhase = false;
};

}  // namespace judge
