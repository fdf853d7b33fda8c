#include "judge/DrawJudgeTextWnd.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "judge/ArboApp.h"
#include "judge/MainFrame.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "resources/JudgeIds.h"

namespace judge {

bool CDrawJudgeTextWnd::CreatePane(CWnd* parent, UINT id) {
    const CRect none(0, 0, 0, 0);
    return CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE, none, parent, id) &&
           m_prompt.Create("Next", WS_CHILD | BS_OWNERDRAW, none, this, kPromptId) &&
           m_next.Create(kResultsText, WS_CHILD | BS_OWNERDRAW, none, this, kNextId);
}

CRect CDrawJudgeTextWnd::PromptRect(const CRect& client, CSize text, int cw, int ch) {
    const int left = std::max(client.left, client.right - text.cx - 4 * cw);
    const int top = std::max(client.top, client.bottom - text.cy - 3 * ch / 2);
    const int right = std::min(client.right, left + text.cx + 4 * cw);
    return CRect(left, top, right, client.bottom);
}

void CDrawJudgeTextWnd::ShowPrompt(bool show, const char* text) {
    if (!show) {
        m_promptShown = false;
        m_prompt.SetColorIndex(COLOR_BTNFACE);
        m_prompt.ShowWindow(SW_HIDE);
        KillTimer(kBlinkTimer);
        return;
    }
    if (text) m_prompt.SetWindowText(text);
    CArboApp* app = CArboApp::Get();
    const CSize ch = app ? app->GetCharSize() : CSize(0, 0);
    CRect client;
    GetClientRect(&client);
    const std::string label = m_prompt.GetWindowText();
    m_prompt.MoveWindow(PromptRect(client, Measure(1, label), ch.cx, ch.cy), TRUE);
    m_prompt.ShowWindow(SW_SHOW);
    m_prompt.SetFocus();
    m_promptShown = true;
    m_blinkPhase = false;
    SetTimer(kBlinkTimer, kBlinkMs);
    // An unattended run presses the prompt itself, as it answers message
    // boxes.
    if (CAutoAnswer::IsAutoAnswer()) {
        CAutoAnswer::Log("Prompt", label, "pressed");
        PostMessage(WM_COMMAND, kPromptId, 0);
    }
}

void CDrawJudgeTextWnd::OnLineEnded(int line) {
    const char* path = std::getenv(kTranscriptVariable);
    if (!path || !*path) return;
    std::ofstream(path, std::ios::app) << GetLineText(line) << '\n';
}

void CDrawJudgeTextWnd::OnDestroy() {
    // The last line shown ends with the pane.
    ClearText();
    CDrawTextWnd::OnDestroy();
}

void CDrawJudgeTextWnd::Blink() {
    m_blinkPhase = !m_blinkPhase;
    m_prompt.SetColorIndex(m_blinkPhase ? COLOR_ACTIVECAPTION : COLOR_BTNFACE);
    if (m_prompt.IsWindow()) m_prompt.RedrawWindow();
}

void CDrawJudgeTextWnd::OnTimer(UINT_PTR id) {
    if (id == kBlinkTimer) {
        Blink();
        return;
    }
    CDrawTextWnd::OnTimer(id);
}

BOOL CDrawJudgeTextWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    CArboApp* app = CArboApp::Get();
    CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
    switch (LOWORD(wParam)) {
        case kPromptId:
            // A press that arrives after the prompt went is stale.
            if (!m_promptShown) return TRUE;
            ShowPrompt(false, nullptr);
            if (frame) frame->OnPromptPressed();
            return TRUE;
        case kNextId:
            if (frame) frame->SendMessage(WM_COMMAND, judge_ids::kContributionResults, 0);
            return TRUE;
        default:
            return CDrawTextWnd::OnCommand(wParam, lParam);
    }
}

void CDrawJudgeTextWnd::ShowContributionResults() {
    CArboApp* app = CArboApp::Get();
    const CSize ch = app ? app->GetCharSize() : CSize(0, 0);
    m_next.SetWindowText(kResultsText);
    CRect client;
    GetClientRect(&client);
    const CSize text = Measure(1, kResultsText);
    CRect rect = PromptRect(client, text, ch.cx, ch.cy);
    rect.top = std::max(client.top, rect.bottom - (text.cy + 3 * ch.cy / 2));
    m_next.MoveWindow(rect, TRUE);
    m_next.ShowWindow(SW_SHOW);
}

void CDrawJudgeTextWnd::CenterLastLine() {
    if (GetLineCount() == 0) return;
    m_centred.resize(static_cast<size_t>(GetLineCount()), false);
    m_centred.back() = true;
}

bool CDrawJudgeTextWnd::IsLineCentred(int line) const {
    return line >= 0 && line < static_cast<int>(m_centred.size()) &&
           m_centred[static_cast<size_t>(line)];
}

void CDrawJudgeTextWnd::Relayout() {
    CRect client;
    GetClientRect(&client);
    int room = client.Height();
    if (m_promptShown) {
        CRect prompt;
        m_prompt.GetWindowRect(&prompt);
        room -= prompt.Height();
    }
    // The newest lines that fit stay in view.
    int first = GetLineCount();
    int used = 0;
    while (first > 0 && used + GetLineHeight(first - 1) <= room) {
        used += GetLineHeight(first - 1);
        --first;
    }
    SetFirstLine(std::min(first, std::max(0, GetLineCount() - 1)));
    for (int line = 0; line < GetLineCount(); ++line) {
        if (IsLineCentred(line)) CenterLine(line);
    }
}

void CDrawJudgeTextWnd::Refresh() {
    Relayout();
    CDrawTextWnd::Refresh();
}

void CDrawJudgeTextWnd::OnSize(UINT type, int cx, int cy) {
    CDrawTextWnd::OnSize(type, cx, cy);
    for (CNextBtn* button : {&m_prompt, &m_next}) {
        if (!button->IsWindow()) continue;
        CRect rect;
        button->GetWindowRect(&rect);
        button->MoveWindow(std::max(0, cx - rect.Width()), std::max(0, cy - rect.Height()),
                           rect.Width(), rect.Height(), TRUE);
    }
    Relayout();
}

}  // namespace judge
