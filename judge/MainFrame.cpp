#include "judge/MainFrame.h"

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/ArboView.h"
#include "judge/JudgeMusic.h"
#include "judge/JudgeNetwork.h"
#include "judge/StartupError.h"
#include "platform/core/Clock.h"
#include "platform/sound/EffectDevice.h"
#include "platform/sound/MusicDevice.h"
#include "platform/sound/SoundNotify.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WindowDC.h"
#include "platform/ui/WindowPlacement.h"
#include "resources/JudgeIds.h"

namespace judge {

namespace {

using namespace judge_ids;

// A pop-up with caption, thick frame and clipped children.
constexpr DWORD kNetworkStyle = 0x86C40000;

CRect CentredOnDesktop(int width, int height) {
    const int sx = GetSystemMetrics(SM_CXSCREEN);
    const int sy = GetSystemMetrics(SM_CYSCREEN);
    return CRect((sx - width) / 2, (sy - height) / 2, (sx + width) / 2, (sy + height) / 2);
}

}  // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() {
    if (IsWindow()) DestroyWindow();
}

void CMainFrame::ReadJudgeOptions() {
    m_options.Read(CArboApp::Get()->GetProfile());
}

void CMainFrame::AttachDocument(CArboDoc* doc, CArboView* view) {
    m_doc = doc;
    m_view = view;
}

void CMainFrame::UseSoundDevices(std::unique_ptr<CMusicDevice> music,
                                 std::unique_ptr<CEffectDevice> effect) {
    m_musicDevice = std::move(music);
    m_effectDevice = std::move(effect);
}

// ---------------------------------------------------------------- creation

int CMainFrame::OnCreate(CREATESTRUCT* create) {
    if (!CreateDrawingResources()) return -1;
    CArboApp* app = CArboApp::Get();
    m_music = std::make_unique<CJudgeMusic>(this, app->GetProgramDirectory(),
                                            std::move(m_musicDevice), std::move(m_effectDevice));
    m_music->SetOptions(m_options.sound, m_options.judgeMusic);
    m_music->SetCloseRequestedQuery([this] { return m_closeRequested; });
    if (!m_networkWnd.CreateEx(0, CArboApp::kFaceClass, "", kNetworkStyle,
                               CentredOnDesktop(kNetworkWidth, kNetworkHeight), this, 0)) {
        return -1;
    }
    return CFrameWnd::OnCreate(create);
}

bool CMainFrame::CreateDrawingResources() {
    CArboApp* app = CArboApp::Get();
    if (!app->CreateAppPalette() || !app->LoadBitmaps()) return false;
    CWindowDC dc(this);
    return app->CreateFonts(dc) && app->CreatePensAndCursor();
}

void CMainFrame::ShowStartupError(int error, const std::string& path) {
    AfxMessageBox(GetStartupErrorText(error, path), MB_OK | MB_ICONEXCLAMATION);
}

// ---------------------------------------------------------------- close

void CMainFrame::OnClose() {
    if (m_doc && !m_doc->ConfirmClose(*this)) return;
    StopSounds();
    CloseNetwork();
    SavePlacement();
    CFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
    CFrameWnd::OnDestroy();
    PostQuitMessage(0);
}

void CMainFrame::SavePlacement() {
    WINDOWPLACEMENT placement;
    if (!CWindowPlacement::Get(this, &placement)) return;
    if (placement.showCmd == SW_SHOWMAXIMIZED) placement.flags |= WPF_RESTORETOMAXIMIZED;
    CWindowPlacement::Save(CArboApp::Get()->GetProfile(), CArboApp::kLayoutSection,
                           CArboApp::kPlacementKey, placement);
}

void CMainFrame::ShowPromptAgain() {
    // A step that is still running shows the prompt itself at its end.
    if (m_view && !m_inStep) m_view->ShowPrompt(true, nullptr);
}

// ---------------------------------------------------------------- sound

void CMainFrame::PlayJudgeMusic(int index, int restart) {
    Record("music", index);
    if (m_music) m_music->PlayJudgeMusic(index, restart);
}

void CMainFrame::PlayJudgeSound(int index) {
    Record("sound", index);
    if (m_music) m_music->PlayJudgeSound(index);
}

void CMainFrame::StopSounds() {
    if (m_music) m_music->StopSounds();
}

void CMainFrame::OnActivateApp(BOOL active, DWORD threadId) {
    CFrameWnd::OnActivateApp(active, threadId);
    if (m_music) m_music->OnActivateAppJudge(active);
}

// ---------------------------------------------------------------- waits

int CMainFrame::JudgeWaitLoop(int units, int noPump, int skippable) {
    const int waitTime = m_doc ? m_doc->GetWaitTime() : 0;
    const int64_t ms = static_cast<int64_t>(waitTime) * units / 10;
    const int64_t real = CClock::Scale(ms);
    m_inWait = true;
    // Presses from before the wait do not count.
    GetAsyncKeyState(VK_RETURN);
    GetAsyncKeyState(VK_SPACE);
    const uint32_t start = CClock::GetTickCount();
    for (;;) {
        if (!noPump) {
            MSG msg;
            if (CMessageLoop::Peek(msg, nullptr, 0, 0, PM_REMOVE) &&
                !CMessageLoop::PreTranslate(msg)) {
                CMessageLoop::Dispatch(msg);
            }
        }
        if (skippable) {
            if (GetAsyncKeyState(VK_SPACE) & 1) {
                m_inWait = false;
                EndOnRequest();
                return 1;
            }
            if (GetAsyncKeyState(VK_RETURN) & 1) break;
        }
        const int64_t elapsed = static_cast<uint32_t>(CClock::GetTickCount() - start);
        if (elapsed >= real) break;
        CMessageLoop::WaitForMessage(std::min<int64_t>(real - elapsed, 10));
    }
    m_inWait = false;
    EndOnRequest();
    return 0;
}

int CMainFrame::WaitMilliseconds(int ms, int noPump, int skippable) {
    const int waitTime = m_doc ? m_doc->GetWaitTime() : 0;
    if (waitTime <= 0) return 0;
    const int64_t units = static_cast<int64_t>(ms) * 10 / waitTime;
    return JudgeWaitLoop(static_cast<int>(std::min<int64_t>(units, INT32_MAX)), noPump, skippable);
}

int CMainFrame::EndOnRequest() {
    if (!m_closeRequested) return 0;
    m_closeRequested = false;
    SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    return 1;
}

// ---------------------------------------------------------------- the prompt

void CMainFrame::SetAnnounceStep(int page, int area) {
    m_page = page;
    m_area = area;
    m_stepShown = true;
}

void CMainFrame::OnPromptPressed() {
    // In a network game every machine moves on together: the step is
    // reported, and the server's next-page record moves this one on.
    if (m_networkGame && m_network) {
        m_network->SendStepDone();
        return;
    }
    AdvanceAndPost();
}

void CMainFrame::AdvanceAndPost() {
    // Before the first page there is nothing to move on from.
    if (!m_stepShown) {
    } else if (m_page == CEnterprise::kAreaPage) {
        const int areas = m_doc ? m_doc->GetMap().GetAreaCount() : 0;
        if (m_area + 1 < areas) ++m_area;
    } else {
        ++m_page;
    }
    m_stepShown = false;
    if (m_pendingStep != 0) PostStep(m_pendingStep);
}

// ---------------------------------------------------------------- commands

bool CMainFrame::CanSendResults() const {
    if (!m_resultsShown || !m_doc || *kResultsAddress == '\0') return false;
    const int years = m_doc->GetPlayYears();
    return m_doc->GetHumanPlayers() == 1 && (years == 7 || years == 10 || years == 15);
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kAppAbout:
            CArboApp::Get()->OnAppAbout();
            return TRUE;
        case kAppExit:
            PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            return TRUE;
        case kHideMap:
            if (m_view) m_view->SetDisplayMode(0, FALSE);
            return TRUE;
        case kNetworkWindow:
            ToggleNetworkWindow();
            return TRUE;
        default:
            return CFrameWnd::OnCommand(wParam, lParam);
    }
}

void CMainFrame::OnUpdateCommand(CCmdUI* ui) {
    switch (ui->m_nID) {
        case kMap:
        case kMapPopup:
            ui->Enable(m_resultsShown);
            break;
        case kHideMap:
            ui->Enable(m_view && m_view->GetDisplayMode() == 1);
            break;
        case kNetworkWindow:
            // Only a network game with peers has a network window to show.
            ui->Enable(m_networkGame && HasPeers());
            break;
        case kContributionResults:
            ui->Enable(CanSendResults());
            break;
        case kHomepage:
            ui->Enable(*kHomepageAddress != '\0');
            break;
        case kDataAuthor:
            // The data authors' dialog is not part of this program yet.
            ui->Enable(FALSE);
            break;
        default:
            break;
    }
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_START_ANNOUNCEMENT:
            return OnStartAnnouncement();
        case WM_ANNOUNCE_ITEM:
            return OnAnnounceItem();
        case WM_ANNOUNCE_RESULTS:
            return OnAnnounceResults();
        case WM_NETWORK_START:
            OnNetworkStart();
            return 0;
        case MM_MCINOTIFY:
            if (m_music) m_music->OnJudgeMciNotify(wParam, lParam);
            return 0;
        case WM_QUERYNEWPALETTE:
            return OnQueryNewPaletteJudge();
        default:
            return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CMainFrame::OnQueryNewPaletteJudge() {
    CArboApp* app = CArboApp::Get();
    CPalette* palette = app ? app->GetPalette() : nullptr;
    if (!palette) return FALSE;
    CClientDC dc(this);
    CPalette* old = dc.SelectPalette(palette, FALSE);
    const UINT changed = dc.RealizePalette();
    dc.SelectPalette(old, FALSE);
    if (changed > 0) RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return changed > 0 ? TRUE : FALSE;
}

// A wheel turned anywhere in the window scrolls the pane under the pointer:
// the company rows or the item pane.
BOOL CMainFrame::OnMouseWheel(UINT flags, short delta, CPoint point) {
    if (m_view) {
        CWnd* panes[] = {&m_view->GetCompanyPane().GetRows(), &m_view->GetItemPane()};
        for (CWnd* pane : panes) {
            if (!pane->IsWindow() || !pane->IsWindowVisible()) continue;
            CRect rect;
            pane->GetWindowRect(&rect);
            if (!rect.PtInRect(point)) continue;
            pane->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<WORD>(delta)),
                              MAKELPARAM(point.x, point.y));
            break;
        }
    }
    return CFrameWnd::OnMouseWheel(flags, delta, point);
}

}  // namespace judge
