// The announcement: the introduction, one page (or one area of page 18) per
// step with its explanation, reveal and count-up, and the results with the
// final message and the report.

#include <algorithm>

#include "judge/AnnouncementTexts.h"
#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/JudgeReport.h"
#include "judge/MainFrame.h"
#include "judge/JudgeNetwork.h"
#include "platform/core/Clock.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"

namespace judge {

namespace {

using announcement::STextRun;

constexpr int kAnnouncementMusic = 18;
constexpr int kHumanWonMusic = 19;
constexpr int kHumanLostMusic = 20;
constexpr int kHumanLastMusic = 21;
constexpr int kLineSound = 4;
constexpr int kButtonTextColour = -1;
constexpr int kLineWait = 4000;
constexpr int kPageWait = 1500;
constexpr int kRevealWait = 1000;
constexpr int kPollStep = 50;
constexpr int kCountUpSteps = 100;

// Pages whose reveal changes the lower pane, so the item list shows first.
bool ShowsItemListFirst(int page, int area) {
    switch (page) {
        case 9:
        case 10:
        case 13:
        case 16:
        case 17: return true;
        case CEnterprise::kAreaPage: return area == 0;
        default: return false;
    }
}

}  // namespace

// ---------------------------------------------------------------- helpers

void CMainFrame::PostStep(UINT message) {
    Record("post", static_cast<int>(message));
    PostMessage(message, 0, 0);
}

int CMainFrame::CurrentStep() const {
    return m_page < CEnterprise::kAreaPage ? m_page : CArboDoc::kFixedSteps + m_area;
}

int CMainFrame::PumpAndPost(UINT message) {
    m_inWait = true;
    CMessageLoop::PumpPending();
    m_pendingStep = message;
    m_inWait = false;
    return EndOnRequest();
}

void CMainFrame::PollWait(int ms) {
    // The presentation's wait time may be 0; a poll still gives the peers'
    // notifications a real moment to arrive and be dispatched.
    const int64_t real = std::max<int64_t>(CClock::Scale(ms), 1);
    m_inWait = true;
    CMessageLoop::WaitDispatching(real, [] { return false; });
    m_inWait = false;
    EndOnRequest();
}

void CMainFrame::ClearTextPane() {
    if (!m_view) return;
    CDrawJudgeTextWnd& text = m_view->GetTopFrame().GetTextPane();
    text.ClearText();
    text.Refresh();
    CEpDrawFrameWnd& rows = m_view->GetCompanyPane().GetRows();
    rows.ShowAllBars(false);
    rows.SetTextShownAll(false);
}

// ---------------------------------------------------------------- 0x501

LRESULT CMainFrame::OnStartAnnouncement() {
    if (!m_doc || !m_view) return 0;
    m_inStep = true;
    ShowIntroduction();
    if (!IsRunning()) return 0;
    m_page = 0;
    m_area = 0;
    m_stepShown = false;
    PlayJudgeMusic(kAnnouncementMusic, 0);
    WaitMilliseconds(kPollStep, 0, 0);
    if (!IsRunning()) return 0;
    if (m_networkGame && !IsNetworkHost()) {
        while (IsJudgmentNotStarted() && IsRunning()) PollWait(kPollStep);
        if (!IsRunning()) return 0;
    }
    m_inStep = false;
    if (PumpAndPost(WM_ANNOUNCE_ITEM) == 0) PostStep(WM_ANNOUNCE_ITEM);
    return 0;
}

void CMainFrame::ShowIntroduction() {
    if (!m_view || !m_doc) return;
    CDrawJudgeTextWnd& text = m_view->GetTopFrame().GetTextPane();
    const std::vector<std::string> lines = announcement::IntroductionLines(m_doc->GetPlayYears());
    bool skipped = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        text.AddText(lines[i], 2, kButtonTextColour, true);
        text.Refresh();
        if (lines[i] != " ") PlayJudgeSound(kLineSound);
        if (i == announcement::kItemListAfterLine) m_view->SetDisplayMode(2, FALSE);
        if (skipped) continue;
        Record("wait", kLineWait);
        skipped = JudgeWaitLoop(kLineWait, 0, 1) == 1;
        if (!IsRunning()) return;
    }
}

// ---------------------------------------------------------------- 0x502

LRESULT CMainFrame::OnAnnounceItem() {
    if (!m_doc || !m_view) return 0;
    m_inStep = true;
    PlayJudgeMusic(kAnnouncementMusic, 0);
    ClearTextPane();
    PlayJudgeSound(kLineSound);
    CJudgeTextFrameWnd& items = m_view->GetItemPane();
    items.SetItemFromPage(m_page);
    if (m_page < CEnterprise::kDirectorPage) {
        items.RedrawWindow();
    } else if (ShowsItemListFirst(m_page, m_area)) {
        m_view->SetDisplayMode(2, FALSE);
        WaitMilliseconds(kPageWait, 0, 0);
        if (!IsRunning()) return 0;
    }
    ShowSectionIntroduction();
    if (!IsRunning()) return 0;
    ShowItemExplanation(0);
    RunItemAnimation();
    if (!IsRunning()) return 0;
    ShowItemExplanation(1);
    m_stepShown = true;
    m_inStep = false;
    const bool lastArea = m_page == CEnterprise::kAreaPage &&
                          m_area + 1 >= m_doc->GetMap().GetAreaCount();
    if (PumpAndPost(lastArea ? WM_ANNOUNCE_RESULTS : WM_ANNOUNCE_ITEM) == 0)
        m_view->ShowPrompt(true, "Next");
    return 0;
}

void CMainFrame::ShowSectionIntroduction() {
    const std::vector<std::string>& lines = announcement::SectionLines(m_page, m_area);
    if (lines.empty()) return;
    ShowMessageLines(lines);
    if (!IsRunning()) return;
    WaitMilliseconds(kLineWait, 1, 1);
}

int CMainFrame::ShowMessageLines(const std::vector<std::string>& lines) {
    if (!m_view) return 0;
    CDrawJudgeTextWnd& text = m_view->GetTopFrame().GetTextPane();
    text.ClearText();
    bool skipped = false;
    for (const std::string& line : lines) {
        text.AddText(line, 2, kButtonTextColour, true);
        text.Refresh();
        if (skipped) continue;
        Record("wait", kLineWait);
        skipped = WaitMilliseconds(kLineWait, 0, 1) == 1;
        if (!IsRunning()) break;
    }
    return skipped ? 1 : 0;
}

std::vector<announcement::SCompanyEntry> CMainFrame::CompanyEntries(int page) const {
    std::vector<announcement::SCompanyEntry> entries;
    for (int c = 0; c < m_doc->GetCompanyCount(); ++c) {
        const CEnterprise* company = m_doc->GetCompany(c);
        const int value = page < 0 ? m_doc->GetTotal(c) : company->GetJudgeValue(page, 1);
        entries.push_back({company->GetName(), company->Record().GetColor(), company->GetRank(),
                           value, company->IsActive()});
    }
    return entries;
}

void CMainFrame::ShowItemExplanation(int names) {
    const announcement::SExplanation lines =
        announcement::Explanation(m_page, m_doc->GetAreaName(m_area));
    ShowExplanationText(announcement::ExplanationRuns(lines, m_doc->GetRankingOrder(),
                                                      CompanyEntries(m_page), names != 0));
}

void CMainFrame::ShowExplanationText(const std::vector<STextRun>& runs) {
    if (!m_view) return;
    CDrawJudgeTextWnd& text = m_view->GetTopFrame().GetTextPane();
    text.ClearText();
    for (const STextRun& run : runs)
        text.AddText(run.text, run.font, kButtonTextColour, run.newLine, run.mark);
    text.Refresh();
}

void CMainFrame::RunItemAnimation() {
    // The step is judged once: a page posted again shows its ranking as it
    // stands.
    if (m_doc->GetStepCounter() == CurrentStep()) m_doc->RunNextStep();
    if (m_page == CEnterprise::kDirectorPage) {
        RevealDirectors();
    } else if (m_page >= 10 && m_page <= 15) {
        ShowLeaguePage((m_page - 10) % 3, m_page <= 12 ? 1 : 2);
    } else if (m_page == 16 || m_page == 17) {
        RevealYears(m_page - 16);
    } else if (m_page == CEnterprise::kAreaPage) {
        ShowAreaPage(m_area);
    }
    if (!IsRunning()) return;
    CountUpBars();
}

void CMainFrame::CountUpBars() {
    CEpDrawFrameWnd& rows = m_view->GetCompanyPane().GetRows();
    m_doc->SetCountUp(0);
    rows.UpdateAllBars();
    rows.ShowAllBars(true);
    for (int n = kCountUpSteps - 1; n >= 0; --n) {
        m_doc->SetCountUp(kCountUpSteps - n);
        rows.UpdateAllBars();
        WaitMilliseconds(n / 5, 0, 1);
        if (!IsRunning()) return;
    }
    rows.SetTextShownAll(true);
}

void CMainFrame::RevealDirectors() {
    CJudgeTextFrameWnd& items = m_view->GetItemPane();
    items.SetRevealedDirectors(0);
    m_view->SetDisplayMode(3, FALSE);
    const int count = static_cast<int>(m_doc->GetTopDirectors().size());
    for (int i = 0; i < count; ++i) {
        WaitMilliseconds(kRevealWait, 1, 1);
        if (!IsRunning()) return;
        items.SetRevealedDirectors(i + 1);
        items.RedrawWindow();
    }
}

void CMainFrame::ShowLeaguePage(int league, int kind) {
    m_view->GetItemPane().SetLeaguePage(league, kind);
    m_view->SetDisplayMode(4, TRUE);
}

void CMainFrame::RevealYears(int kind) {
    CJudgeTextFrameWnd& items = m_view->GetItemPane();
    items.SetYearsKind(kind, 1);
    m_view->SetDisplayMode(5, TRUE);
    for (int year = 1; year < m_doc->GetPlayYears(); ++year) {
        WaitMilliseconds(kRevealWait, 0, 1);
        if (!IsRunning()) return;
        items.SetYearsKind(kind, year + 1);
        items.RedrawWindow();
    }
}

void CMainFrame::ShowAreaPage(int area) {
    m_view->ShowAreaMap(area);
    m_view->SetDisplayMode(CArboView::kModeMap, TRUE);
    m_view->LayoutToClient();
}

// ---------------------------------------------------------------- 0x503

int CMainFrame::ResultsMusic(const std::vector<int>& humanRanks, int companies) {
    const auto best = std::min_element(humanRanks.begin(), humanRanks.end());
    const int b = best == humanRanks.end() ? -1 : *best;
    if (companies > 1 && b == companies - 1) return kHumanLastMusic;
    return b == 0 ? kHumanWonMusic : kHumanLostMusic;
}

LRESULT CMainFrame::OnAnnounceResults() {
    if (!m_doc || !m_view || m_resultsShown) return 0;
    if (m_network) m_network->SetFinished();
    m_inStep = true;
    m_view->ShowPrompt(false, nullptr);
    ClearTextPane();
    PlayJudgeSound(kLineSound);
    CDrawJudgeTextWnd& text = m_view->GetTopFrame().GetTextPane();
    text.AddText(announcement::kAnnouncingResults, 3, kButtonTextColour, true);
    text.Refresh();
    for (int i = 0; i < 3; ++i) {
        WaitMilliseconds(kPageWait, 0, 0);
        if (!IsRunning()) return 0;
    }
    // Every step is judged before the totals are ranked.
    while (m_doc->RunNextStep()) {
    }
    std::vector<int> humanRanks;
    for (int c = 0; c < m_doc->GetCompanyCount(); ++c) {
        const CEnterprise* company = m_doc->GetCompany(c);
        if (company->IsActive()) humanRanks.push_back(company->GetRank());
    }
    PlayJudgeMusic(ResultsMusic(humanRanks, m_doc->GetCompanyCount()), 0);
    WaitMilliseconds(kRevealWait, 0, 0);
    if (!IsRunning()) return 0;
    m_resultsShown = true;
    m_view->SetDisplayMode(CArboView::kModeNone, FALSE);
    CRect outer;
    m_view->GetWindowRect(&outer);
    m_view->LayoutPanes(outer.Width(), outer.Height());
    m_view->GetCompanyPane().GetRows().ShowOverlay();
    // The report is written before the final message's waits: a window
    // closed during them still leaves it.
    CArboApp* app = CArboApp::Get();
    if (app) CJudgeReport::Write(*m_doc, app->GetProgramDirectory(), app->GetUtcTime());
    ShowFinalMessage();
    if (!IsRunning()) return 0;
    if (CanSendResults()) text.ShowContributionResults();
    m_inStep = false;
    // An unattended run ends once everything is shown and written.
    if (CAutoAnswer::IsAutoAnswer()) PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

void CMainFrame::ShowFinalMessage() {
    CDrawJudgeTextWnd& text = m_view->GetTopFrame().GetTextPane();
    text.ClearText();
    for (const announcement::SMessagePart& part :
         announcement::FinalMessage(CompanyEntries(-1), m_doc->GetHumanPlayers())) {
        for (const STextRun& run : part.runs)
            text.AddText(run.text, run.font, kButtonTextColour, run.newLine, run.mark);
        text.Refresh();
        if (part.wait == 0) continue;
        Record("wait", part.wait);
        JudgeWaitLoop(part.wait, 0, 1);
        if (!IsRunning()) return;
    }
}

}  // namespace judge
